// Settings > Other Settings (template IDD_OTHER_SETTINGS): the recording
// options (BurnFlags), three further options (MoreFlags) and the four size
// limits of the size meter.
//
// The window edits the main window's COtherSettings in place. Leaving a
// limit edit and Reset write the members at once, so a later Cancel keeps
// them; only OK sets m_bChanged, and only once every value was taken.
#pragma once

#include "app/DialogButtons.h"
#include "framework/CDialog.h"

namespace bb::settings { class COtherSettings; }

namespace bb::app {

class COtherSettingsDlg : public framework::CDialog {
public:
    explicit COtherSettingsDlg(settings::COtherSettings& values, framework::CDialog* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(framework::CDataExchange* pDX) override;
    void OnOK() override;

private:
    settings::COtherSettings& m_values;
    app::DialogButtons m_buttons;
};

}  // namespace bb::app
