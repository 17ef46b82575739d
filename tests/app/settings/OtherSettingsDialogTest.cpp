// Settings > Other Settings: each option into the file, the limit edits
// (leaving one, bad input, OK, Cancel), Reset, and what the main window
// does after the dialog closes.
#include <string>
#include <vector>

#include "SettingsWindowFixture.h"
#include "settings/OtherSettings.h"

namespace bb::app::test {
namespace {

class OtherSettingsDialogTest : public SettingsWindowTest {};

// Each box checked from the defaults and OK: the flags in the file, and the
// box shown checked again when the dialog opens next.
TEST_F(OtherSettingsDialogTest, EachBoxReachesItsFlag) {
    const struct {
        int box;
        const char* burnFlags;
        const char* moreFlags;
    } cases[] = {
        {IDC_OS_BURN_PROOF, "8000", "0"},  // the one box on by default: now off
        {IDC_OS_SIMULATE, "8042", "0"},        {IDC_OS_NO_EJECT, "8240", "0"},
        {IDC_OS_VERIFY, "8440", "0"},          {IDC_OS_DVDROM_BOOKTYPE, "4040", "0"},
        {IDC_OS_NO_OVERWRITE_ASK, "80008040", "0"},
        {IDC_OS_FORCE_SHUTDOWN, "8040", "1"},  {IDC_OS_LABEL16, "8040", "2"},
        {IDC_OS_IGNORE_SIZE, "8040", "4"},
    };
    for (const auto& c : cases) {
        fs::remove(m_dir / "Brenvik.ini");
        auto& h = Start();
        RunFromMenu(h, ID_SETTINGS_OTHER, IDD_OTHER_SETTINGS, [&](platform::HeadlessDialogHost& d) {
            ASSERT_TRUE(d.Click(c.box));
            ASSERT_TRUE(d.Click(IDOK));
        });
        EXPECT_EQ(Ini().at("BurnFlags") + "|" + Ini().at("MoreFlags"), std::string(c.burnFlags) + "|" + c.moreFlags)
            << c.box;
        RunFromMenu(h, ID_SETTINGS_OTHER, IDD_OTHER_SETTINGS, [&](platform::HeadlessDialogHost& d) {
            EXPECT_EQ(d.GetCheck(c.box), c.box == IDC_OS_BURN_PROOF ? 0 : 1) << c.box;
            d.Click(IDCANCEL);
        });
    }
}

TEST_F(OtherSettingsDialogTest, LimitEditsTakeOverClampNothingAndRefuseNonNumbers) {
    const struct {
        const char* name;
        const char* typed;  // into the yellow DVD limit
        bool leave;         // focus moved on before the button
        int button;         // IDOK or IDCANCEL
        int limit;          // the yellow DVD limit afterwards
        bool closed;        // by that button
        bool saved;
        bool askedForInteger;
    } cases[] = {
        {"left then Cancel", "5000", true, IDCANCEL, 5000, true, false, false},
        {"not left, Cancel", "5000", false, IDCANCEL, 4482, true, false, false},
        {"negative", "-5", false, IDOK, -5, true, true, false},
        {"blanks around", "  77 ", false, IDOK, 77, true, true, false},
        {"letters", "12ab", false, IDOK, 4482, false, false, true},
        {"empty", "", false, IDOK, 4482, false, false, true},
        {"too large", "99999999999", false, IDOK, 4482, false, false, true},
        {"letters left", "abc", true, IDCANCEL, 4482, true, false, true},
    };
    for (const auto& c : cases) {
        fs::remove(m_dir / "Brenvik.ini");
        m_ui.ClearBoxes();
        auto& h = Start();
        bool closed = false;
        RunFromMenu(h, ID_SETTINGS_OTHER, IDD_OTHER_SETTINGS, [&](platform::HeadlessDialogHost& d) {
            EXPECT_EQ(d.GetItemText(IDC_OS_LIMIT_DVD), "4482");
            ASSERT_TRUE(d.Type(IDC_OS_LIMIT_DVD, c.typed, c.leave));
            d.Click(c.button);
            closed = d.Ended();
            if (!closed) d.Click(IDCANCEL);  // the user gives up
        });
        EXPECT_EQ(closed, c.closed) << c.name;
        EXPECT_EQ(m_dlg->m_pOtherDlg->GetLimitDvd(), c.limit) << c.name;
        EXPECT_EQ(IniWritten(), c.saved) << c.name;
        if (c.saved) {
            EXPECT_EQ(Ini().at("LimitDVD"), std::to_string(c.limit)) << c.name;
        }
        bool asked = false;
        for (const auto& box : m_ui.Boxes()) asked = asked || box.templateId == IDD_OTHER_SETTINGS;
        EXPECT_EQ(asked, c.askedForInteger) << c.name;
    }
}

TEST_F(OtherSettingsDialogTest, ResetRestoresTheLimitsAtOnceAndTheBoxesFromTheHolder) {
    WriteFile("Brenvik.ini", "LimitCD: 1\nLimitDVD: 2\nLimitCDRed: 3\nLimitDVDRed: 4\n");
    auto& h = Start();
    RunFromMenu(h, ID_SETTINGS_OTHER, IDD_OTHER_SETTINGS, [&](platform::HeadlessDialogHost& d) {
        EXPECT_EQ(d.GetItemText(IDC_OS_LIMIT_CD_RED), "3");
        ASSERT_TRUE(d.Click(IDC_OS_SIMULATE));  // not taken yet
        ASSERT_TRUE(d.Click(IDC_OS_RESET));
        EXPECT_EQ(d.GetItemText(IDC_OS_LIMIT_CD) + " " + d.GetItemText(IDC_OS_LIMIT_DVD) + " " +
                      d.GetItemText(IDC_OS_LIMIT_CD_RED) + " " + d.GetItemText(IDC_OS_LIMIT_DVD_RED),
                  "650 4482 700 8106");
        EXPECT_EQ(d.GetCheck(IDC_OS_SIMULATE), 0) << "refilled from the holder";
        d.Click(IDCANCEL);
    });
    auto& other = *m_dlg->m_pOtherDlg;
    EXPECT_EQ(std::vector<int>({other.GetLimitCd(), other.GetLimitDvd(), other.GetLimitCdRed(), other.GetLimitDvdRed()}),
              std::vector<int>({650, 4482, 700, 8106}));
    EXPECT_EQ(Ini().at("LimitCD"), "1") << "Cancel writes no file";
}

TEST_F(OtherSettingsDialogTest, AfterClosingTheWindowFollowsVerifyAndTheLabelLimit) {
    auto& h = Start();
    ASSERT_TRUE(h.Type(IDC_VOLUME, "ABCDEFGHIJ"));
    const std::string lengthBefore = h.GetItemText(IDC_LABEL_LENGTH);
    const auto toggleVerify = [&](std::vector<int> clicks) {
        RunFromMenu(h, ID_SETTINGS_OTHER, IDD_OTHER_SETTINGS, [&](platform::HeadlessDialogHost& d) {
            for (int id : clicks) d.Click(id);
        });
    };
    toggleVerify({IDC_OS_VERIFY, IDC_OS_LABEL16, IDOK});
    EXPECT_EQ(h.GetCheck(IDC_VERIFY), 1);
    EXPECT_NE(h.GetItemText(IDC_LABEL_LENGTH), lengthBefore) << "16 instead of 32 characters";
    EXPECT_EQ(h.GetItemText(IDC_STATUS), T(res::kTxtSettingsSaved));
    toggleVerify({IDC_OS_VERIFY, IDCANCEL});
    EXPECT_EQ(h.GetCheck(IDC_VERIFY), 1) << "Cancel: the window's box stays as the holder says";
    toggleVerify({IDC_OS_VERIFY, IDOK});
    EXPECT_EQ(h.GetCheck(IDC_VERIFY), 0);
}

}  // namespace
}  // namespace bb::app::test
