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

TEST(RcTemplates, DialogHeaderAndEveryControl) {
    const res::DialogTemplate* d = res::FindDialog(IDD_FIXTURE);
    ASSERT_NE(d, nullptr);
    EXPECT_STREQ(d->caption, "Say \"hi\", world");
    EXPECT_STREQ(d->fontFace, "Tahoma");
    EXPECT_EQ(d->fontPoints, 9);
    EXPECT_EQ(d->cx, 200);
    EXPECT_EQ(d->cy, 100);
    EXPECT_EQ(d->menuId, IDR_FIXTURE_MENU);

    struct Row {
        int id;
        const char* idName;
        ControlKind kind;
        const char* caption;
        int x, y, cx, cy;
        bool disabled, group;
    } rows[] = {
        {IDC_ONE, "IDC_ONE", ControlKind::RadioButton, "&One", 1, 2, 30, 10, false, true},
        {IDC_TWO, "IDC_TWO", ControlKind::RadioButton, "&Two", 1, 14, 30, 10, false, false},
        {IDC_LIST, "IDC_LIST", ControlKind::DropDownList, "", 40, 2, 60, 50, true, false},
        {IDC_TEXT, "IDC_TEXT", ControlKind::Label, "a, b", 40, 20, 60, 8, false, true},
    };
    ASSERT_EQ(d->controls.size(), std::size(rows));
    for (size_t i = 0; i < std::size(rows); ++i) {
        const res::ControlTemplate& c = d->controls[i];
        const Row& r = rows[i];
        SCOPED_TRACE(r.idName);
        EXPECT_EQ(c.id, r.id);
        EXPECT_STREQ(c.idName, r.idName);
        EXPECT_EQ(c.kind, r.kind);
        EXPECT_STREQ(c.caption, r.caption);
        EXPECT_EQ((std::vector{c.x, c.y, c.cx, c.cy}), (std::vector{r.x, r.y, r.cx, r.cy}));
        EXPECT_EQ(c.disabled, r.disabled);
        EXPECT_EQ(c.group, r.group);
        EXPECT_EQ(c.textId + c.tooltipId + c.iconId, 0);  // the script cannot say these
        EXPECT_EQ(res::FindControl(*d, r.id), &c);
    }
    EXPECT_EQ(res::FindControl(*d, 4242), nullptr);
}

TEST(RcTemplates, RadioGroupRunsFromItsFirstRadioToTheNextGroup) {
    const res::DialogTemplate& d = *res::FindDialog(IDD_FIXTURE);
    struct Case {
        int first;
        std::vector<int> ids;
    } cases[] = {
        {IDC_ONE, {IDC_ONE, IDC_TWO}},
        {IDC_TWO, {}},   // not the first of its group
        {IDC_LIST, {}},  // not a radio
    };
    for (const Case& c : cases) {
        std::vector<int> ids;
        for (const auto& r : res::RadioGroup(d, c.first)) ids.push_back(r.id);
        EXPECT_EQ(ids, c.ids) << c.first;
    }
}

TEST(RcTemplates, MenuAndDialogsWithoutControls) {
    const res::MenuTemplate* m = res::FindMenu(IDR_FIXTURE_MENU);
    ASSERT_NE(m, nullptr);
    EXPECT_STREQ(m->popupCaption, "&File");
    ASSERT_EQ(m->items.size(), 3u);
    EXPECT_EQ(m->items[0].command, IDM_OPEN);
    EXPECT_STREQ(m->items[0].caption, "&Open");
    EXPECT_EQ(m->items[1].command, 0);  // separator
    EXPECT_EQ(m->items[2].command, IDM_CLOSE);
    EXPECT_STREQ(m->items[2].caption, "&Close");

    ASSERT_NE(res::FindDialog(IDD_EMPTY), nullptr);
    EXPECT_TRUE(res::FindDialog(IDD_EMPTY)->controls.empty());
    EXPECT_EQ(res::FindDialog(IDD_EMPTY)->menuId, 0);
    EXPECT_EQ(res::RcDialogs().size(), 2u);
    EXPECT_EQ(res::FindDialog(999), nullptr);
    EXPECT_EQ(res::FindMenu(999), nullptr);
}

}  // namespace

}  // namespace bb::tools
