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

class LanguageTable;

class CAboutDlg : public CDialog {
public:
    // `library`: the version the loaded recording library reports, nothing
    // when no library is loaded.
    CAboutDlg(const LanguageTable& language, NeroApiLib::VersionReading library, CDialog* parent = nullptr);

    // Builds the texts and the link targets, then shows the box.
    int DoModal() override;

    CString m_strVersion;
    CString m_strThanks;
    CString m_strTranslation;
    CLinkLabel m_linkMail;
    CLinkLabel m_linkHome;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    [[nodiscard]] CString Text(int id) const;

    const LanguageTable& m_language;
    NeroApiLib::VersionReading m_library;
    app::DialogButtons m_buttons;
};

namespace app {
// The About box as the headless host models it.
platform::HeadlessDialogTemplate HeadlessAboutDialog();
}  // namespace app
