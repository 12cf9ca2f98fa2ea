// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "tests/support/about_window_fixture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tappon {
namespace {

inline constexpr const char* kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* kNotAvailable = "此时系统信息不可用！";
inline constexpr std::uint32_t kTypeBinary = 3;

std::vector<std::uint8_t> bytes(const std::string& text)
{
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

// A REG_SZ value as the system stores it, with its terminating zero.
Registry::Value stringValue(const std::string& text)
{
    Registry::Value value{Registry::kTypeString, bytes(text)};
    value.data.push_back(0);
    return value;
}

class RegistryLookupTest : public testing::AboutWindowTest {
protected:
    RegistryLookupTest() { open(); }

    void store(const std::string& key, const std::string& name, Registry::Value value)
    {
        h.registry.keys[key][name] = std::move(value);
    }
    // GetKeyValue on a value stored under a test key, starting from `before`.
    std::string read(Registry::Value value, const std::string& before = "", bool* result = nullptr)
    {
        store("SOFTWARE\\Test", "Value", std::move(value));
        std::string text = before;
        const bool found = about()->GetKeyValue(Registry::kLocalMachine, "SOFTWARE\\Test", "Value", text);
        if (result)
            *result = found;
        return text;
    }
    void expectNotAvailableMessage() const
    {
        ASSERT_EQ(h.messageBox.shown.size(), 1u);
        EXPECT_EQ(h.messageBox.shown[0].prompt, kNotAvailable);
        EXPECT_EQ(h.messageBox.shown[0].title, "");
        EXPECT_EQ(h.messageBox.shown[0].icon, MessageIcon::None);
    }
};

// GetKeyValue

TEST_F(RegistryLookupTest, EachKindOfValueReadsAsItsRuleSays)
{
    struct Case {
        const char* rule;
        Registry::Value value;
        std::string before;  // what the caller passes in
        std::string text;
        bool found = true;
    };
    const Case cases[] = {
        {"a string loses its terminating zero", stringValue("C:\\Tools\\msinfo32.exe"), "", "C:\\Tools\\msinfo32.exe"},
        {"a string without a terminating zero keeps all its characters",
         Registry::Value{Registry::kTypeString, bytes("abc")}, "", "abc"},
        {"only one terminating zero is removed", stringValue(std::string("ab\0", 3)), "", std::string("ab\0", 3)},
        // The narrow bytes are converted back to text as a whole, not byte by byte.
        {"a multi-byte string comes out as exactly its stored text", stringValue("C:\\系统工具\\信息.exe"), "",
         "C:\\系统工具\\信息.exe"},
        // 0x1234 stored little-endian: the kept bytes 34 12 00 give "0" "12" "34", read as &h01234.
        {"a dword reads as the hex digits of its characters from last to first",
         Registry::Value{Registry::kTypeDword, {0x34, 0x12, 0x00, 0x00}}, "", "4660"},
        {"a dword appends its digits to the value passed in before the whole is read as &h...",
         Registry::Value{Registry::kTypeDword, {0x0A, 0x00, 0x00, 0x00}}, "1", "4106"},
        {"a value of another type leaves the text as passed and counts as read",
         Registry::Value{kTypeBinary, {1, 2, 3}}, "before", "before"},
        {"the value buffer holds 1024 bytes",
         Registry::Value{Registry::kTypeString, std::vector<std::uint8_t>(1024, 'a')}, "", std::string(1024, 'a')},
        {"a value of 1025 bytes fails the query and empties the text",
         Registry::Value{Registry::kTypeString, std::vector<std::uint8_t>(1025, 'a')}, "x", "", false},
    };
    for (const Case& c : cases) {
        bool found = !c.found;
        EXPECT_EQ(read(c.value, c.before, &found), c.text) << c.rule;
        EXPECT_EQ(found, c.found) << c.rule;
        EXPECT_TRUE(h.registry.openHandles.empty()) << c.rule << ": the key stays open";
    }
}

TEST_F(RegistryLookupTest, AKeyThatDoesNotOpenEmptiesTheValueAndStillClosesHandleZero)
{
    // The open fails: "" and False, and RegCloseKey is called with the handle 0.
    std::string text = "before";
    EXPECT_FALSE(about()->GetKeyValue(Registry::kLocalMachine, "SOFTWARE\\Missing", "Value", text));
    EXPECT_EQ(text, "");
    EXPECT_EQ(h.registry.closes, (std::vector<Registry::Handle>{0}));
}

TEST_F(RegistryLookupTest, AKeyThatCannotBeOpenedWithTheRequestedAccessCountsAsMissing)
{
    // A key the user may not open with write access fails like a missing one.
    store("SOFTWARE\\Test", "Value", stringValue("x"));
    h.registry.denied.insert("SOFTWARE\\Test");
    std::string text = "before";
    EXPECT_FALSE(about()->GetKeyValue(Registry::kLocalMachine, "SOFTWARE\\Test", "Value", text));
    EXPECT_EQ(text, "");
}

TEST_F(RegistryLookupTest, AMissingValueEmptiesTheTextAndClosesTheOpenedKey)
{
    // The key opens but the query fails: "" and False; the open handle is closed.
    store("SOFTWARE\\Test", "Other", stringValue("x"));
    std::string text = "before";
    EXPECT_FALSE(about()->GetKeyValue(Registry::kLocalMachine, "SOFTWARE\\Test", "Value", text));
    EXPECT_EQ(text, "");
    ASSERT_EQ(h.registry.closes.size(), 1u);
    EXPECT_NE(h.registry.closes[0], 0u);
    EXPECT_TRUE(h.registry.openHandles.empty());
}

TEST_F(RegistryLookupTest, TheKeyIsOpenedUnderTheRootPassedWithAccessMask2003F)
{
    // RegOpenKeyExA(root, path, 0, 0x2003F, handle).
    read(stringValue("x"));
    ASSERT_EQ(h.registry.opens.size(), 1u);
    EXPECT_EQ(h.registry.opens[0].root, 0x80000002u);
    EXPECT_EQ(h.registry.opens[0].path, "SOFTWARE\\Test");
    EXPECT_EQ(h.registry.opens[0].access, 0x2003Fu);
}

// StartSysInfo

TEST_F(RegistryLookupTest, TheToolsFullPathIsLaunchedUnchangedWithoutAnExistenceTest)
{
    // The first lookup gives the file name itself.
    store(kToolKey, "PATH", stringValue("C:\\Program Files\\Common Files\\msinfo32.exe"));
    h.launcher.launchable.insert("C:\\Program Files\\Common Files\\msinfo32.exe");
    about()->form().click(about()->cmdSysInfo);
    ASSERT_EQ(h.launcher.attempts.size(), 1u);
    EXPECT_EQ(h.launcher.attempts[0].path, "C:\\Program Files\\Common Files\\msinfo32.exe");
    EXPECT_EQ(h.launcher.attempts[0].show, ShowCommand::Normal);
    EXPECT_TRUE(h.files.tested.empty());
    EXPECT_TRUE(h.messageBox.shown.empty());
}

TEST_F(RegistryLookupTest, TheToolsFolderIsUsedWhenItHoldsMsinfo32)
{
    // The second lookup gives the folder; the tool is launched from it if the file exists.
    store(kFolderKey, "MSINFO", stringValue("C:\\Tools"));
    h.files.existing.insert("C:\\Tools\\MSINFO32.EXE");
    h.launcher.launchable.insert("C:\\Tools\\MSINFO32.EXE");
    about()->StartSysInfo();
    ASSERT_EQ(h.launcher.attempts.size(), 1u);
    EXPECT_EQ(h.launcher.attempts[0].path, "C:\\Tools\\MSINFO32.EXE");
    EXPECT_TRUE(h.messageBox.shown.empty());
}

TEST_F(RegistryLookupTest, NeitherValueGivesTheMessage)
{
    // No tool is known: "此时系统信息不可用！" with no icon and the default title.
    about()->StartSysInfo();
    expectNotAvailableMessage();
    EXPECT_TRUE(h.launcher.attempts.empty());
    EXPECT_EQ(h.registry.opens.size(), 2u);
}

TEST_F(RegistryLookupTest, AFolderWithoutMsinfo32GivesTheMessageAfterTestingExactlyThatFile)
{
    // The existence test uses the folder text plus "\MSINFO32.EXE".
    store(kFolderKey, "MSINFO", stringValue("C:\\Tools"));
    about()->StartSysInfo();
    EXPECT_EQ(h.files.tested, (std::vector<std::string>{"C:\\Tools\\MSINFO32.EXE"}));
    EXPECT_TRUE(h.launcher.attempts.empty());
    expectNotAvailableMessage();
}

TEST_F(RegistryLookupTest, AFolderEndingInABackslashIsTestedWithADoubledBackslash)
{
    // Nothing tidies the folder text.
    store(kFolderKey, "MSINFO", stringValue("C:\\Tools\\"));
    about()->StartSysInfo();
    EXPECT_EQ(h.files.tested, (std::vector<std::string>{"C:\\Tools\\\\MSINFO32.EXE"}));
}

TEST_F(RegistryLookupTest, APathThatCannotBeLaunchedGivesTheMessage)
{
    // The launch fails with a runtime error, which the button traps.
    store(kToolKey, "PATH", stringValue("C:\\Gone\\msinfo32.exe"));
    about()->StartSysInfo();
    ASSERT_EQ(h.launcher.attempts.size(), 1u);
    expectNotAvailableMessage();
    EXPECT_TRUE(h.host.quitCalls.empty());
    EXPECT_NE(h.app.find<frmAbout>(), nullptr);
}

TEST_F(RegistryLookupTest, AToolValueOfAnotherTypeLaunchesAnEmptyPathAndGivesTheMessage)
{
    // GetKeyValue reports True with the value still empty; launching "" fails.
    store(kToolKey, "PATH", Registry::Value{kTypeBinary, {1, 2}});
    about()->StartSysInfo();
    ASSERT_EQ(h.launcher.attempts.size(), 1u);
    EXPECT_EQ(h.launcher.attempts[0].path, "");
    expectNotAvailableMessage();
}

}  // namespace
}  // namespace tappon
