// The tables rc2template generated from FixtureScript.rc at build time, as the
// program reads them through res/DialogTemplate.h.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/DialogTemplate.h"
#include "tests/tools/FixtureIds.h"

namespace bb::tools {
namespace {

using res::ControlKind;

TEST(RcTemplates, DialogHeaderEveryControlAndTheRadioGroup) {
    const res::DialogTemplate* d = res::FindDialog(IDD_FIXTURE);
    ASSERT_NE(d, nullptr);
    EXPECT_STREQ(d->caption, "Say \"hi\", world");
    EXPECT_STREQ(d->fontFace, "Tahoma");
    EXPECT_EQ((std::vector{d->fontPoints, d->cx, d->cy, d->menuId}), (std::vector{9, 200, 100, IDR_FIXTURE_MENU}));

    struct Row {
        int id;
        const char* idName;
        ControlKind kind;
        const char* caption;
        int x, y, cx, cy;
        bool disabled, group;
        std::vector<int> radioGroup;  // what RadioGroup() gives from this control
    } rows[] = {
        {IDC_ONE, "IDC_ONE", ControlKind::RadioButton, "&One", 1, 2, 30, 10, false, true, {IDC_ONE, IDC_TWO}},
        {IDC_TWO, "IDC_TWO", ControlKind::RadioButton, "&Two", 1, 14, 30, 10, false, false, {}},  // not the first
        {IDC_LIST, "IDC_LIST", ControlKind::DropDownList, "", 40, 2, 60, 50, true, false, {}},
        {IDC_TEXT, "IDC_TEXT", ControlKind::Label, "a, b", 40, 20, 60, 8, false, true, {}},
    };
    ASSERT_EQ(d->controls.size(), std::size(rows));
    for (size_t i = 0; i < std::size(rows); ++i) {
        const res::ControlTemplate& c = d->controls[i];
        const Row& r = rows[i];
        EXPECT_EQ(c.id, r.id) << r.idName;
        EXPECT_STREQ(c.idName, r.idName);
        EXPECT_EQ(c.kind, r.kind) << r.idName;
        EXPECT_STREQ(c.caption, r.caption) << r.idName;
        EXPECT_EQ((std::vector{c.x, c.y, c.cx, c.cy}), (std::vector{r.x, r.y, r.cx, r.cy})) << r.idName;
        EXPECT_EQ(c.disabled, r.disabled) << r.idName;
        EXPECT_EQ(c.group, r.group) << r.idName;
        EXPECT_EQ(c.textId + c.tooltipId + c.iconId, 0) << r.idName;  // the script cannot say these
        EXPECT_EQ(res::FindControl(*d, r.id), &c) << r.idName;
        std::vector<int> group;
        for (const auto& radio : res::RadioGroup(*d, r.id)) group.push_back(radio.id);
        EXPECT_EQ(group, r.radioGroup) << r.idName;
    }
    EXPECT_EQ(res::FindControl(*d, 4242), nullptr);
}

TEST(RcTemplates, MenuAndDialogsWithoutControls) {
    const res::MenuTemplate* m = res::FindMenu(IDR_FIXTURE_MENU);
    ASSERT_NE(m, nullptr);
    EXPECT_STREQ(m->popupCaption, "&File");
    ASSERT_EQ(m->items.size(), 3u);
    EXPECT_EQ((std::vector{m->items[0].command, m->items[1].command, m->items[2].command}),
              (std::vector{IDM_OPEN, 0, IDM_CLOSE}));  // 0: the separator
    EXPECT_STREQ(m->items[0].caption, "&Open");
    EXPECT_STREQ(m->items[2].caption, "&Close");

    const res::DialogTemplate* empty = res::FindDialog(IDD_EMPTY);
    ASSERT_NE(empty, nullptr);
    EXPECT_TRUE(empty->controls.empty());
    EXPECT_EQ(empty->menuId, 0);
    EXPECT_EQ(res::RcDialogs().size(), 2u);
    EXPECT_EQ(res::FindDialog(999), nullptr);
    EXPECT_EQ(res::FindMenu(999), nullptr);
}

}  // namespace
}  // namespace bb::tools
