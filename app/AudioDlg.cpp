#include "app/AudioDlg.h"

#include "app/SettingsDialogTexts.h"
#include "controls/FilePicker.h"
#include "platform/Sound.h"
#include "res/TextIds.h"
#include "settings/LanguageTable.h"
#include "res/resource.h"
#include "settings/AudioSettings.h"

namespace bb::app {

namespace {

constexpr int kAudioOnlyControls[] = {IDC_AUDIO_SUCCESS_PATH, IDC_AUDIO_ERROR_PATH,  IDC_AUDIO_SUCCESS_WAV,
                                      IDC_AUDIO_ERROR_WAV,    IDC_AUDIO_SUCCESS_PLAY, IDC_AUDIO_ERROR_PLAY};

// Description and pattern pairs, each ended by a zero, the list by an empty one.
constexpr char kWaveFilter[] = "WAV Audio (*.wav)\0*.wav\0All Files (*.*)\0*.*\0";

}  // namespace

CAudioDlg::CAudioDlg(settings::CAudioSettings& values, framework::CDialog* parent) : framework::CDialog(IDD_AUDIO, parent), m_values(values) {
    MapCommand(IDC_AUDIO_ENABLE, [this] {
        (void)UpdateData(TRUE);
        ApplyEnabling();
    });
    MapCommand(IDC_AUDIO_SUCCESS_WAV, [this] { PickWave(m_values.m_strSuccessWave); });
    MapCommand(IDC_AUDIO_ERROR_WAV, [this] { PickWave(m_values.m_strErrorWave); });
    MapCommand(IDC_AUDIO_SUCCESS_PLAY, [this] { Play(m_values.m_strSuccessWave); });
    MapCommand(IDC_AUDIO_ERROR_PLAY, [this] { Play(m_values.m_strErrorWave); });
}

void CAudioDlg::DoDataExchange(framework::CDataExchange* pDX) {
    framework::CDialog::DoDataExchange(pDX);
    framework::CString success(m_values.m_strSuccessWave);
    framework::CString error(m_values.m_strErrorWave);
    framework::DDX_Text(pDX, IDC_AUDIO_SUCCESS_PATH, success);
    framework::DDX_Text(pDX, IDC_AUDIO_ERROR_PATH, error);
    framework::DDX_Check(pDX, IDC_AUDIO_ENABLE, m_values.m_bEnableAudio);
    if (pDX->m_bSaveAndValidate) {
        m_values.m_strSuccessWave = success.str();
        m_values.m_strErrorWave = error.str();
    }
}

BOOL CAudioDlg::OnInitDialog() {
    framework::CDialog::OnInitDialog();
    app::ApplyDialogTexts(*this, m_values.Texts(), res::kTxtAudioTitle,
                          {{IDC_AUDIO_GROUP, res::kTxtAudio},
                           {IDC_AUDIO_ENABLE, res::kTxtEnableAudioBox},
                           {IDC_AUDIO_SUCCESS_LABEL, res::kTxtSuccessWaveLabel},
                           {IDC_AUDIO_SUCCESS_WAV, res::kTxtWavButton},
                           {IDC_AUDIO_ERROR_LABEL, res::kTxtErrorWaveLabel},
                           {IDC_AUDIO_ERROR_WAV, res::kTxtWavButton},
                           {IDCANCEL, res::kTxtCancelButton}});
    SetUpIconButtons();
    ApplyEnabling();
    return TRUE;
}

void CAudioDlg::SetUpIconButtons() {
    m_buttons.Attach(*this, {IDC_AUDIO_SUCCESS_WAV, IDC_AUDIO_SUCCESS_PLAY, IDC_AUDIO_ERROR_WAV,
                             IDC_AUDIO_ERROR_PLAY, IDOK, IDCANCEL});
    // Wav shows its icon beside the caption, Play instead of it.
    struct ImageButton {
        int id;
        UINT icon;
        int tooltip;
        bool captionShown;
    };
    static constexpr ImageButton kImageButtons[] = {{IDC_AUDIO_SUCCESS_WAV, IDI_WAV, res::kTxtWavTip, true},
                                                    {IDC_AUDIO_SUCCESS_PLAY, IDI_PLAY, res::kTxtPlayTip, false},
                                                    {IDC_AUDIO_ERROR_WAV, IDI_WAV, res::kTxtWavTip, true},
                                                    {IDC_AUDIO_ERROR_PLAY, IDI_PLAY, res::kTxtPlayTip, false}};
    for (const ImageButton& b : kImageButtons) {
        if (!b.captionShown)
            SetDlgItemText(b.id, "");
        (void)m_buttons[b.id].LoadIconImage(b.icon);
        m_buttons[b.id].SetTipText(m_values.Texts().GetText(b.tooltip).c_str(), TRUE);
    }
}

void CAudioDlg::ApplyEnabling() {
    const BOOL enable = m_values.m_bEnableAudio != 0 ? TRUE : FALSE;
    for (int id : kAudioOnlyControls)
        EnableWindow(id, enable);
}

void CAudioDlg::PickWave(std::string& path) {
    controls::CFilePicker picker(1, nullptr, "*.wav", 0, kWaveFilter, this);
    if (picker.PickFile() == controls::CFilePicker::kChosen)
        path = picker.GetFilePath().str();
    // The members go back into both edits: typing not yet confirmed is replaced.
    UpdateData(FALSE);
}

void CAudioDlg::Play(const std::string& path) {
    if (settings::CAudioSettings::IsPlayablePreview(path))
        (void)platform::SystemSound().PlayFileAsync(path);
}

void CAudioDlg::OnOK() {
    m_values.m_bChanged = 1;
    framework::CDialog::OnOK();
}

}  // namespace bb::app
