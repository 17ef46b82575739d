#include "framework/DataExchange.h"

#include <gtest/gtest.h>

#include "tests/framework/TestDialogs.h"
#include "platform/headless/HeadlessDialogHost.h"
#include "platform/headless/HeadlessUi.h"

namespace bb::framework {

namespace {

using namespace bb::framework::test;

class DataExchangeTest : public ::testing::Test {
protected:
    DataExchangeTest() { ui.AddTemplate(Template()); }

    platform::HeadlessUi ui;
    ExchangeDialog dialog;
};

TEST_F(DataExchangeTest, InitialisationPushesEveryMemberIntoItsControl) {
    platform::HeadlessDialogHost& h = ui.Open(dialog);
    EXPECT_EQ(h.GetItemText(kName), "UNDEFINED");
    EXPECT_EQ(h.GetItemText(kCount), "650");
    EXPECT_EQ(h.GetCheck(kFlag), BST_CHECKED);
    EXPECT_EQ(h.GetCheck(kModeA), BST_UNCHECKED);
    EXPECT_EQ(h.GetCheck(kModeB), BST_CHECKED);
    EXPECT_EQ(h.GetCheck(kModeC), BST_UNCHECKED);
    EXPECT_EQ(h.GetCheck(kOther), BST_UNCHECKED) << "a radio starting its own group is not part of the first";
    EXPECT_EQ(h.ComboGetCurSel(kSpeed), -1);
}

TEST_F(DataExchangeTest, OkPullsWhatTheUserChangedAndCloses) {
    platform::HeadlessDialogHost& h = ui.Open(dialog);
    CComboBox speed = dialog.GetCombo(kSpeed);
    for (const char* s : {"Max", "16x", "8x"}) speed.AddString(s);
    ASSERT_TRUE(h.Type(kName, "MOVIE"));
    ASSERT_TRUE(h.Type(kCount, " -5 "));
    ASSERT_TRUE(h.Click(kFlag));
    ASSERT_TRUE(h.Click(kModeC));
    ASSERT_TRUE(h.SelectCombo(kSpeed, 2));
    ASSERT_TRUE(h.Click(IDOK));

    EXPECT_TRUE(h.Ended());
    EXPECT_EQ(h.Result(), IDOK);
    EXPECT_EQ(dialog.m_strName, "MOVIE");
    EXPECT_EQ(dialog.m_nCount, -5);
    EXPECT_EQ(dialog.m_bFlag, 0);
    EXPECT_EQ(dialog.m_nMode, 2);
    EXPECT_EQ(dialog.m_nSpeed, 2);
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(DataExchangeTest, RadioGroupsEndWhereTheNextGroupStarts) {
    platform::HeadlessDialogHost& h = ui.Open(dialog);
    struct Case {
        int click;
        int modeIndex;   // of the group A, B, C
        int otherCheck;  // of the radio that starts the next group
    } cases[] = {
        {kOther, 1, BST_CHECKED},  // the next group leaves B checked
        {kModeA, 0, BST_CHECKED},  // and B..C do not reach into it
        {kModeC, 2, BST_CHECKED},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(h.Click(c.click));
        EXPECT_EQ(h.GetRadioIndex(kModeA), c.modeIndex) << "after clicking " << c.click;
        EXPECT_EQ(h.GetCheck(kOther), c.otherCheck) << "after clicking " << c.click;
    }
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.m_nMode, 2);
}

TEST_F(DataExchangeTest, CancelLeavesTheMembersAlone) {
    platform::HeadlessDialogHost& h = ui.Open(dialog);
    ASSERT_TRUE(h.Type(kName, "CHANGED"));
    ASSERT_TRUE(h.PressKey(VK_ESCAPE) == false);
    EXPECT_EQ(h.Result(), IDCANCEL);
    EXPECT_EQ(dialog.m_strName, "UNDEFINED");
}

TEST_F(DataExchangeTest, NonIntegerKeepsTheDialogOpenAndAsksForAnInteger) {
    platform::HeadlessDialogHost& h = ui.Open(dialog);
    ASSERT_TRUE(h.Type(kName, "FIRST"));
    ASSERT_TRUE(h.Type(kCount, "12x"));
    ASSERT_TRUE(h.Click(kFlag));
    ASSERT_TRUE(h.Click(IDOK));

    EXPECT_FALSE(h.Ended());
    const auto boxes = ui.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Please enter an integer.");
    EXPECT_EQ(boxes[0].type, unsigned(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_EQ(h.FocusedItem(), kCount);
    // Members exchanged before the faulty field are taken, those after it not.
    EXPECT_EQ(dialog.m_strName, "FIRST");
    EXPECT_EQ(dialog.m_nCount, 650);
    EXPECT_EQ(dialog.m_bFlag, 1);
    EXPECT_FALSE(dialog.UpdateData(TRUE));

    ASSERT_TRUE(h.Type(kCount, "700"));
    ASSERT_TRUE(h.Click(IDOK));
    EXPECT_EQ(h.Result(), IDOK);
    EXPECT_EQ(dialog.m_nCount, 700);
    EXPECT_EQ(dialog.m_bFlag, 0);
}

TEST_F(DataExchangeTest, PushAfterMembersChangedRefreshesControls) {
    platform::HeadlessDialogHost& h = ui.Open(dialog);
    dialog.GetCombo(kSpeed).AddString("Max");
    dialog.m_nMode = 0;
    dialog.m_nSpeed = 0;
    dialog.m_nCount = 4482;
    EXPECT_TRUE(dialog.UpdateData(FALSE));
    EXPECT_EQ(h.GetRadioIndex(kModeA), 0);
    EXPECT_EQ(h.GetItemText(kSpeed), "Max");
    EXPECT_EQ(h.GetItemText(kCount), "4482");
    dialog.m_nMode = -1;
    EXPECT_TRUE(dialog.UpdateData(FALSE));
    EXPECT_EQ(h.GetRadioIndex(kModeA), -1);
}

TEST_F(DataExchangeTest, WithoutAnOpenWindowTheMembersKeepTheirValues) {
    EXPECT_FALSE(dialog.UpdateData(TRUE)) << "never shown";
    EXPECT_EQ(dialog.m_strName, "UNDEFINED");
    platform::HeadlessDialogHost& h = ui.Open(dialog);
    ASSERT_TRUE(h.Type(kName, "SHOWN"));
    ASSERT_TRUE(h.PressKey(VK_ESCAPE) == false);
    ASSERT_TRUE(h.Ended());
    EXPECT_FALSE(dialog.UpdateData(TRUE)) << "closed";
    EXPECT_EQ(dialog.m_strName, "UNDEFINED");
}

TEST(ParseDialogInt, AcceptsSignedDecimalsWithinRange) {
    struct Case {
        const char* text;
        bool ok;
        int value;
    } cases[] = {
        {"0", true, 0},          {"4482", true, 4482},     {"-5", true, -5},
        {"+7", true, 7},         {"  12  ", true, 12},     {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0}, {"", false, 0},          {"   ", false, 0},
        {"12x", false, 0},       {"x12", false, 0},        {"1 2", false, 0},
        {"-", false, 0},         {"0x10", false, 0},       {"1.5", false, 0},
    };
    for (const Case& c : cases) {
        int value = 0;
        EXPECT_EQ(ParseDialogInt(c.text, value), c.ok) << '"' << c.text << '"';
        if (c.ok) {
            EXPECT_EQ(value, c.value) << '"' << c.text << '"';
        }
    }
}

}  // namespace

}  // namespace bb::framework
