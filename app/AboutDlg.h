// The About box (template IDD_ABOUT): the version line, the credits of the
// language file and the author's contact links. Made on the stack for each
// showing; nothing of it outlives the box.
#pragma once

#include "controls/LinkLabel.h"
#include "app/DialogButtons.h"
#include "framework/CDialog.h"
#include "framework/CString.h"
#include "neroapi/ApiVersion.h"
#include "platform/headless/HeadlessTemplate.h"

namespace bb::settings { class LanguageTable; }

namespace bb::app {

class CAboutDlg : public framework::CDialog {
public:
    // `library`: the version the loaded recording library reports, nothing
    // when no library is loaded.
    CAboutDlg(const settings::LanguageTable& language, neroapi::VersionReading library, framework::CDialog* parent = nullptr);

    // Builds the texts and the link targets, then shows the box.
    int DoModal() override;

    framework::CString m_strVersion;
    framework::CString m_strThanks;
    framework::CString m_strTranslation;
    controls::CLinkLabel m_linkMail;
    controls::CLinkLabel m_linkHome;

protected:
    void DoDataExchange(framework::CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    [[nodiscard]] framework::CString Text(int id) const;

    const settings::LanguageTable& m_language;
    neroapi::VersionReading m_library;
    app::DialogButtons m_buttons;
};

}  // namespace bb::app

namespace bb::app {
// The About box as the headless host models it.
platform::HeadlessDialogTemplate HeadlessAboutDialog();
}  // namespace bb::app
