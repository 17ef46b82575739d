#include "app/AboutDlg.h"

#include "app/AboutVersionLine.h"
#include "framework/CheckedFormat.h"
#include "res/HeadlessDialogs.h"
#include "res/ProgramIdentity.h"
#include "res/resource.h"
#include "settings/LanguageTable.h"

namespace bb::app {

CAboutDlg::CAboutDlg(const settings::LanguageTable& language, neroapi::VersionReading library, framework::CDialog* parent)
    : framework::CDialog(IDD_ABOUT, parent), m_language(language), m_library(library) {
    MapCommand(IDC_ABOUT_MAIL, [this] { m_linkMail.OnClicked(); });
    MapCommand(IDC_ABOUT_HOMEPAGE, [this] { m_linkHome.OnClicked(); });
}

framework::CString CAboutDlg::Text(int id) const {
    return framework::CString(m_language.GetText(id).c_str());
}

int CAboutDlg::DoModal() {
    m_strVersion = app::AboutVersionLine(m_library, m_language.GetText(res::kTxtNoLibraryLoaded),
                                         app::ProgramBuildDate())
                       .c_str();
    m_strThanks = Text(res::kTxtAboutThanks);
    m_strTranslation = Text(res::kTxtAboutTranslation);
    m_linkHome.SetTarget(Text(res::kTxtHomePage));
    m_linkMail.SetTarget(Text(res::kTxtContactMail));
    m_linkHome.m_nUnderlineMode = -1;
    m_linkMail.m_nUnderlineMode = -1;
    return framework::CDialog::DoModal();
}

void CAboutDlg::DoDataExchange(framework::CDataExchange* pDX) {
    framework::CDialog::DoDataExchange(pDX);
    framework::DDX_Text(pDX, IDC_ABOUT_VERSION, m_strVersion);
    framework::DDX_Text(pDX, IDC_ABOUT_THANKS, m_strThanks);
    framework::DDX_Text(pDX, IDC_ABOUT_TRANSLATION, m_strTranslation);
}

BOOL CAboutDlg::OnInitDialog() {
    framework::CDialog::OnInitDialog();
    m_linkMail.Attach(this, IDC_ABOUT_MAIL);
    m_linkHome.Attach(this, IDC_ABOUT_HOMEPAGE);
    m_buttons.Attach(*this, {IDOK});
    SetWindowText(framework::Format(m_language.GetText(res::kTxtAboutTitle), {res::kProgramName, res::kProgramVersion})
                      .c_str());
    SetDlgItemText(IDC_ABOUT_CONTACT, Text(res::kTxtContactGroup));
    return TRUE;
}

}  // namespace bb::app

namespace bb::app {

platform::HeadlessDialogTemplate HeadlessAboutDialog() {
    return res::HeadlessDialog(IDD_ABOUT);
}

}  // namespace bb::app
