// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// Every window design is well formed: unique names, real containers, a sane focus
// order, and pictures that exist among the program's resources.
#include "designs/designs.h"
#include "platform/controls/button.h"
#include "platform/controls/label.h"
#include "platform/controls/line.h"
#include "platform/controls/menu_item.h"
#include "platform/window/form.h"
#include "tests/support/asset_bytes.h"
#include "tests/support/harness.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <map>
#include <set>

namespace tappon {
namespace {

struct NamedDesign {
    const char* label;
    const FormDesign& (*get)();
};

class DesignTest : public ::testing::TestWithParam<NamedDesign> {
protected:
    const FormDesign& design() const { return GetParam().get(); }
};

TEST_P(DesignTest, ControlNamesAndIndexesAreUnique)
{
    std::set<std::pair<std::string, int>> seen;
    std::map<std::string, bool> isArray;
    for (const ControlDesign& c : design().controls) {
        EXPECT_TRUE(seen.insert({c.name, c.index}).second) << c.name << "(" << c.index << ")";
        const bool array = c.index != kNoIndex;
        const auto [it, inserted] = isArray.insert({c.name, array});
        EXPECT_TRUE(inserted || it->second == array) << c.name << " is both an array and a lone control";
    }
}

TEST_P(DesignTest, EveryContainerExistsAndCanHoldControls)
{
    std::map<std::string, ControlKind> kinds;
    for (const ControlDesign& c : design().controls)
        if (c.index == kNoIndex)
            kinds[c.name] = c.kind;
    for (const ControlDesign& c : design().controls) {
        if (c.container.empty())
            continue;
        const auto it = kinds.find(c.container);
        ASSERT_NE(it, kinds.end()) << c.name << " sits in a missing " << c.container;
        if (c.kind == ControlKind::MenuItem)
            EXPECT_EQ(it->second, ControlKind::MenuItem) << c.name;
        else
            EXPECT_TRUE(it->second == ControlKind::PictureBox || it->second == ControlKind::Frame) << c.name;
    }
}

TEST_P(DesignTest, TheFocusOrderHasNoTiesAndOnlyFocusableKinds)
{
    std::set<int> tabIndexes;
    for (const ControlDesign& c : design().controls) {
        if (c.tabIndex < 0)
            continue;
        EXPECT_TRUE(tabIndexes.insert(c.tabIndex).second) << c.name;
        EXPECT_TRUE(c.kind == ControlKind::PictureBox || c.kind == ControlKind::TextBox
                    || c.kind == ControlKind::Button)
            << c.name;
    }
}

TEST_P(DesignTest, EveryPictureIsAResourceThatExists)
{
    std::vector<std::string> pictures{design().icon, design().backPicture};
    for (const ControlDesign& c : design().controls) {
        pictures.push_back(c.picture);
        pictures.push_back(c.mouseIcon);
    }
    for (const std::string& resource : pictures) {
        if (resource.empty())
            continue;
        ASSERT_EQ(resource.rfind(":/", 0), 0u) << resource;
        EXPECT_TRUE(std::filesystem::is_regular_file(testing::kAssets / resource.substr(2))) << resource;
    }
}

TEST_P(DesignTest, TheWindowHasAClientArea)
{
    EXPECT_GT(design().clientWidth, 0);
    EXPECT_GT(design().clientHeight, 0);
    EXPECT_FALSE(design().name.empty());
}

// What a window's code finds when it starts is what its design says, control by control.
TEST_P(DesignTest, EveryBuiltControlStartsAsDesigned)
{
    testing::Harness h;
    const Form form(h.app, design());
    for (const ControlDesign& d : design().controls) {
        const Control& c = form.find(d.name, d.index);
        SCOPED_TRACE(c.displayName());
        EXPECT_EQ(c.kind(), d.kind);
        EXPECT_EQ(c.container() ? c.container()->name() : std::string(), d.container);
        if (const auto* line = dynamic_cast<const Line*>(&c)) {
            EXPECT_EQ((std::array{line->x1(), line->y1(), line->x2(), line->y2()}),
                      (std::array{d.x1, d.y1, d.x2, d.y2}));
        } else {
            EXPECT_EQ((std::array{c.left(), c.top(), c.width(), c.height()}),
                      (std::array{d.left, d.top, d.width, d.height}));
        }
        EXPECT_EQ(c.visible(), d.visible);
        EXPECT_EQ(c.enabled(), d.enabled);
        const std::string* caption = nullptr;
        if (const auto* label = dynamic_cast<const Label*>(&c))
            caption = &label->caption();
        else if (const auto* button = dynamic_cast<const Button*>(&c))
            caption = &button->caption();
        else if (const auto* item = dynamic_cast<const MenuItem*>(&c))
            caption = &item->caption();
        if (caption) {
            EXPECT_EQ(*caption, d.caption);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllWindows, DesignTest,
                         ::testing::Values(NamedDesign{"main", &designs::mainWindow},
                                           NamedDesign{"splash", &designs::splashWindow},
                                           NamedDesign{"help", &designs::helpWindow},
                                           NamedDesign{"about", &designs::aboutWindow}),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace tappon
