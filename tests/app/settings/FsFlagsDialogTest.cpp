// Settings > Filesystem Flags: the boxes, the presets, OK and Cancel, and
// the media-class radios that apply the presets without the dialog.
#include <string>
#include <vector>

#include "SettingsWindowFixture.h"
#include "res/TextIds.h"
#include "settings/FsFlagsSettings.h"

namespace bb::app::test {
namespace {

class FsFlagsDialogTest : public SettingsWindowTest {};

TEST_F(FsFlagsDialogTest, PresetsBoxesOkAndCancel) {
    const struct {
        const char* name;
        int32_t before;
        std::vector<int> clicks;  // ending in IDOK or IDCANCEL
        int32_t after;
        const char* saved;  // FSFlags in the file (with the window's 0x40); null: no file
    } cases[] = {
        {"fresh OK", 0x18, {IDOK}, 0x18, "58"},
        {"cDVD then OK", 0x18, {IDC_FS_PRESET_CD, IDOK}, 0x1A, "5A"},
        {"DVD then Cancel keeps the preset", 0x1B, {IDC_FS_PRESET_DVD, IDCANCEL}, 0x18, nullptr},
        {"a box then Cancel", 0x18, {IDC_FS_JOLIET, IDCANCEL}, 0x18, nullptr},
        {"all four off then OK", 0x1B, {IDC_FS_UDF, IDC_FS_JOLIET, IDC_FS_ISO9660, IDC_FS_MODE2, IDOK}, 0, "40"},
        {"Joliet on then OK", 0x18, {IDC_FS_JOLIET, IDOK}, 0x19, "59"},
        {"preset after a box", 0x18, {IDC_FS_JOLIET, IDC_FS_PRESET_CD, IDOK}, 0x1A, "5A"},
    };
    CopyEnglish();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(IniPath());
        auto& h = Start();
        m_dlg->m_pFsFlagsDlg->SetFlags(c.before);
        std::vector<int> shown;
        RunFromMenu(h, ID_SETTINGS_FSFLAGS, IDD_FSFLAGS, [&](platform::HeadlessDialogHost& d) {
            for (int id : {IDC_FS_JOLIET, IDC_FS_MODE2, IDC_FS_ISO9660, IDC_FS_UDF})
                shown.push_back(d.GetCheck(id));
            for (int id : c.clicks)
                ASSERT_TRUE(d.Click(id)) << id;
            EXPECT_TRUE(d.Ended());
        });
        EXPECT_EQ(shown, (std::vector<int>{c.before & 1, (c.before >> 1) & 1, (c.before >> 3) & 1,
                                           (c.before >> 4) & 1}))
            << "the boxes show the holder";
        EXPECT_EQ(m_dlg->m_pFsFlagsDlg->GetFlags(), c.after);
        EXPECT_EQ(m_dlg->m_pFsFlagsDlg->m_bChanged, 0) << "cleared by the window";
        EXPECT_EQ(IniWritten(), c.saved != nullptr);
        if (c.saved) {
            EXPECT_EQ(Ini().at("FSFlags"), c.saved);
            EXPECT_EQ(h.GetItemText(IDC_STATUS), TextOf("english.lng", res::kTxtSettingsSaved));
        }
        m_dlg.reset();
    }
}

TEST_F(FsFlagsDialogTest, MediaRadiosApplyThePresetsWithoutWritingTheFile) {
    CopyEnglish();
    auto& h = Start();
    m_dlg->m_pFsFlagsDlg->SetFlags(0x1B);
    const struct {
        int radio;
        int32_t flags;
    } steps[] = {{IDC_MEDIA_CD, 0x1A}, {IDC_MEDIA_DVD, 0x18}, {IDC_MEDIA_CD, 0x1A}};
    for (const auto& s : steps) {
        ASSERT_TRUE(h.Click(s.radio));
        EXPECT_EQ(m_dlg->m_pFsFlagsDlg->GetFlags(), s.flags) << s.radio;
    }
    EXPECT_FALSE(IniWritten());
}

}  // namespace
}  // namespace bb::app::test
