// Settings > Filesystem Flags (template IDD_FSFLAGS): the four file-system
// options of the ISO track and the "DVD" and "cDVD" presets.
//
// The window edits the main window's CFsFlagsSettings in place: the check
// boxes exchange with its members, a preset writes them at once (so Cancel
// after a preset keeps the preset), and OK sets m_bChanged.
#pragma once

#include "app/DialogButtons.h"
#include "framework/CDialog.h"

namespace bb::settings { class CFsFlagsSettings; }

namespace bb::app {

class CFsFlagsDlg : public framework::CDialog {
public:
    explicit CFsFlagsDlg(settings::CFsFlagsSettings& values, framework::CDialog* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(framework::CDataExchange* pDX) override;
    void OnOK() override;

private:
    settings::CFsFlagsSettings& m_values;
    app::DialogButtons m_buttons;
};

}  // namespace bb::app
