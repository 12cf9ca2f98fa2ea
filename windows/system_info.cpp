// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The system information button: where the desktop's tool lies, read from the registry.
#include "windows/frm_about.h"

#include "platform/services/registry.h"
#include "platform/values/number_text.h"
#include "platform/values/text.h"
#include "platform/window/application.h"
#include "platform/window/runtime_error.h"

#include <cstdint>
#include <vector>

namespace tappon {

namespace {

// READ_CONTROL and all six key rights, the writing ones included: a key the user may
// not write to does not open, and the lookup then counts as failed.
inline constexpr std::uint32_t kKeyAccess = 0x2003F;
inline constexpr std::size_t kValueBufferBytes = 1024;

const char* const kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const char* const kToolValue = "PATH";
const char* const kToolFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const char* const kToolFolderValue = "MSINFO";
const char* const kToolFile = "\\MSINFO32.EXE";

std::string upperHex(std::uint32_t code)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), digits[code & 0xF]);
        code >>= 4;
    } while (code != 0);
    return text;
}

// General formatting of "&h" + digits: a hexadecimal number that fits 32 bits reads as
// its decimal value; anything else stays the text it is.
std::string formatHexText(const std::string& digits)
{
    const std::string text = "&h" + digits;
    if (digits.empty())
        return text;
    std::uint64_t number = 0;
    for (const char c : digits) {
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                 : -1;
        if (digit < 0)
            return text;
        number = number * 16 + static_cast<std::uint64_t>(digit);
        if (number > 0xFFFFFFFFu)
            return text;
    }
    return numberText(static_cast<double>(number));
}

}  // namespace

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    Services& services = app().services();
    try {
        std::string SysInfoPath;
        bool found = false;
        if (GetKeyValue(Registry::kLocalMachine, kToolKey, kToolValue, SysInfoPath)) {
            found = true;  // the tool's full file name, launched as it stands
        } else if (GetKeyValue(Registry::kLocalMachine, kToolFolderKey, kToolFolderValue, SysInfoPath)) {
            if (services.files.fileExists(SysInfoPath + kToolFile)) {
                SysInfoPath += kToolFile;
                found = true;
            }
        }
        if (found) {
            services.launcher.launch(SysInfoPath, ShowCommand::Normal);
            return;
        }
    } catch (const RuntimeError&) {
        // A tool that will not start is no different to the player from no tool.
    }
    services.messageBox.show("此时系统信息不可用！", "", MessageIcon::None);
}

bool frmAbout::GetKeyValue(std::uint32_t KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                           std::string& KeyVal)
{
    Registry& registry = app().services().registry;
    Registry::Handle hKey = 0;
    bool result = false;
    if (registry.openKey(KeyRoot, KeyName, kKeyAccess, hKey) != 0) {
        KeyVal = "";
    } else {
        Registry::Value data;
        if (registry.queryValue(hKey, SubKeyRef, kValueBufferBytes, data) != 0) {
            KeyVal = "";
        } else {
            std::vector<std::uint8_t> kept = data.data;
            if (!kept.empty() && kept.back() == 0)
                kept.pop_back();
            const std::string tmpVal = registry.narrowToText(kept);
            switch (data.type) {
            case Registry::kTypeString:
                KeyVal = tmpVal;
                break;
            case Registry::kTypeDword: {
                const std::vector<std::uint32_t> codes = characterCodes(tmpVal);
                for (auto code = codes.rbegin(); code != codes.rend(); ++code)
                    KeyVal += upperHex(*code);
                KeyVal = formatHexText(KeyVal);
                break;
            }
            default:
                break;  // any other type leaves the caller's value as it was
            }
            result = true;
        }
    }
    registry.closeKey(hKey);
    return result;
}

}  // namespace tappon
