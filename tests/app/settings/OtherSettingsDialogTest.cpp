// Settings > Other Settings: every option through the file and back, the
// limit edits (leaving one, bad input, OK, Cancel), Reset, and what the main
// window does after the dialog closes.
#include <string>
#include <vector>

#include "SettingsWindowFixture.h"
#include "res/TextIds.h"
#include "settings/OtherSettings.h"

namespace bb::app::test {
namespace {

class OtherSettingsDialogTest : public SettingsWindowTest {};

TEST_F(OtherSettingsDialogTest, EveryOptionRoundTripsThroughTheFile) {
    const struct {
        int box;
        const char* burnFlags;  // in the file after checking the box from the defaults
        const char* moreFlags;
    } cases[] = {
        {IDC_OS_BURN_PROOF, "8000", "0"},      // the one box on by default: now off
        {IDC_OS_SIMULATE, "8042", "0"},        {IDC_OS_NO_EJECT, "8240", "0"},
        {IDC_OS_VERIFY, "8440", "0"},          {IDC_OS_DVDROM_BOOKTYPE, "4040", "0"},
        {IDC_OS_NO_OVERWRITE_ASK, "80008040", "0"},
        {IDC_OS_FORCE_SHUTDOWN, "8040", "1"},  {IDC_OS_LABEL16, "8040", "2"},
        {IDC_OS_IGNORE_SIZE, "8040", "4"},
    };
    CopyEnglish();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box);
        fs::remove(IniPath());
        auto& h = Start();
        RunFromMenu(h, ID_SETTINGS_OTHER, IDD_OTHER_SETTINGS, [&](platform::HeadlessDialogHost& d) {
            ASSERT_TRUE(d.Click(c.box));
            ASSERT_TRUE(d.Click(IDOK));
        });
        const auto ini = Ini();
        EXPECT_EQ(ini.at("BurnFlags"), c.burnFlags);
        EXPECT_EQ(ini.at("MoreFlags"), c.moreFlags);
        const uint32_t burn = m_dlg->m_pOtherDlg->GetBurnFlags();
        const uint32_t more = m_dlg->m_pOtherDlg->GetMoreFlags();
        m_dlg.reset();

        // The second start reads it back and the dialog shows that box changed.
        auto& again = Start();
        EXPECT_EQ(m_dlg->m_pOtherDlg->GetBurnFlags(), burn);
        EXPECT_EQ(m_dlg->m_pOtherDlg->GetMoreFlags(), more);
        RunFromMenu(again, ID_SETTINGS_OTHER, IDD_OTHER_SETTINGS, [&](platform::HeadlessDialogHost& d) {
            EXPECT_EQ(d.GetCheck(c.box), c.box == IDC_OS_BURN_PROOF ? 0 : 1);
            d.Click(IDCANCEL);
        });
        m_dlg.reset();
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
        {"OK", "5000", false, IDOK, 5000, true, true, false},
        {"negative", "-5", false, IDOK, -5, true, true, false},
        {"zero", "0", false, IDOK, 0, true, true, false},
        {"blanks around", "  77 ", false, IDOK, 77, true, true, false},
        {"letters", "12ab", false, IDOK, 4482, false, false, true},
        {"empty", "", false, IDOK, 4482, false, false, true},
        {"too large", "99999999999", false, IDOK, 4482, false, false, true},
        {"letters left", "abc", true, IDCANCEL, 4482, true, false, true},
    };
    CopyEnglish();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(IniPath());
        m_ui.ClearBoxes();
        auto& h = Start();
        bool closed = false;
        RunFromMenu(h, ID_SETTINGS_OTHER, IDD_OTHER_SETTINGS, [&](platform::HeadlessDialogHost& d) {
            EXPECT_EQ(d.GetItemText(IDC_OS_LIMIT_DVD), "4482");
            ASSERT_TRUE(d.Type(IDC_OS_LIMIT_DVD, c.typed, c.leave));
            d.Click(c.button);
            closed = d.Ended();
            if (!closed)
                d.Click(IDCANCEL);  // the user gives up
        });
        EXPECT_EQ(closed, c.closed);
        EXPECT_EQ(m_dlg->m_pOtherDlg->GetLimitDvd(), c.limit);
        EXPECT_EQ(IniWritten(), c.saved);
        if (c.saved) {
            EXPECT_EQ(Ini().at("LimitDVD"), std::to_string(c.limit));
        }
        bool asked = false;
        for (const auto& box : m_ui.Boxes())
            asked = asked || box.templateId == IDD_OTHER_SETTINGS;
        EXPECT_EQ(asked, c.askedForInteger);
        m_dlg.reset();
    }
}

TEST_F(OtherSettingsDialogTest, ResetRestoresTheLimitsAtOnceAndTheBoxesFromTheHolder) {
    CopyEnglish();
    WriteFile("Brenvik.ini", "LimitCD: 1\nLimitDVD: 2\nLimitCDRed: 3\nLimitDVDRed: 4\n");
    auto& h = Start();
    const auto before = fs::last_write_time(IniPath());
    RunFromMenu(h, ID_SETTINGS_OTHER, IDD_OTHER_SETTINGS, [&](platform::HeadlessDialogHost& d) {
        EXPECT_EQ(d.GetItemText(IDC_OS_LIMIT_CD_RED), "3");
        ASSERT_TRUE(d.Click(IDC_OS_SIMULATE));  // not taken yet
        ASSERT_TRUE(d.Click(IDC_OS_RESET));
        const std::pair<int, const char*> shown[] = {{IDC_OS_LIMIT_CD, "650"},
                                                     {IDC_OS_LIMIT_DVD, "4482"},
                                                     {IDC_OS_LIMIT_CD_RED, "700"},
                                                     {IDC_OS_LIMIT_DVD_RED, "8106"}};
        for (const auto& [id, text] : shown)
            EXPECT_EQ(d.GetItemText(id), text) << id;
        EXPECT_EQ(d.GetCheck(IDC_OS_SIMULATE), 0) << "refilled from the holder";
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(std::vector<int>({m_dlg->m_pOtherDlg->GetLimitCd(), m_dlg->m_pOtherDlg->GetLimitDvd(),
                                m_dlg->m_pOtherDlg->GetLimitCdRed(), m_dlg->m_pOtherDlg->GetLimitDvdRed()}),
              std::vector<int>({650, 4482, 700, 8106}));
    EXPECT_EQ(fs::last_write_time(IniPath()), before) << "Cancel writes no file";
    EXPECT_EQ(Ini().at("LimitCD"), "1");
}

TEST_F(OtherSettingsDialogTest, AfterClosingTheWindowFollowsVerifyAndTheLabelLimit) {
    CopyEnglish();
    auto& h = Start();
    ASSERT_TRUE(h.Type(IDC_VOLUME, "ABCDEFGHIJ"));
    const std::string lengthBefore = h.GetItemText(IDC_LABEL_LENGTH);
    RunFromMenu(h, ID_SETTINGS_OTHER, IDD_OTHER_SETTINGS, [&](platform::HeadlessDialogHost& d) {
        d.Click(IDC_OS_VERIFY);
        d.Click(IDC_OS_LABEL16);
        d.Click(IDOK);
    });
    EXPECT_EQ(h.GetCheck(IDC_VERIFY), 1);
    EXPECT_NE(h.GetItemText(IDC_LABEL_LENGTH), lengthBefore) << "16 instead of 32 characters";
    EXPECT_EQ(h.GetItemText(IDC_STATUS), TextOf("english.lng", res::kTxtSettingsSaved));

    // Verify off again in the dialog, Cancel: the dialog's box was taken by
    // nothing, so the window's box stays as the holder says.
    RunFromMenu(h, ID_SETTINGS_OTHER, IDD_OTHER_SETTINGS, [&](platform::HeadlessDialogHost& d) {
        d.Click(IDC_OS_VERIFY);
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(h.GetCheck(IDC_VERIFY), 1);
    RunFromMenu(h, ID_SETTINGS_OTHER, IDD_OTHER_SETTINGS, [&](platform::HeadlessDialogHost& d) {
        d.Click(IDC_OS_VERIFY);
        d.Click(IDOK);
    });
    EXPECT_EQ(h.GetCheck(IDC_VERIFY), 0);
}

}  // namespace
}  // namespace bb::app::test
