// Settings > Audio (template IDD_AUDIO): the sounds played when a burn job
// ends, the switch that enables them, and buttons to pick and try each file.
//
// The window edits the main window's CAudioSettings in place; a file picked
// with "Wav" is stored at once (a later Cancel keeps it), OK sets m_bChanged.
#pragma once

#include "app/DialogButtons.h"
#include "framework/CDialog.h"

namespace bb::settings { class CAudioSettings; }

namespace bb::app {

class CAudioDlg : public framework::CDialog {
public:
    explicit CAudioDlg(settings::CAudioSettings& values, framework::CDialog* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(framework::CDataExchange* pDX) override;
    void OnOK() override;

private:
    // The edits and their buttons are usable only while audio is enabled.
    void ApplyEnabling();
    // "Wav": an open-file dialog for *.wav; the chosen path goes to `path`.
    void PickWave(std::string& path);
    // "Play": the stored path (not the edit's text), when it is long enough.
    void Play(const std::string& path);

    // Theme, icons and tooltips of the six push buttons.
    void SetUpIconButtons();

    settings::CAudioSettings& m_values;
    app::DialogButtons m_buttons;
};

}  // namespace bb::app
