#include "app/AboutDlg.h"

#include "app/AboutVersionLine.h"
#include "framework/CheckedFormat.h"
#include "res/HeadlessDialogs.h"
#include "res/ProgramIdentity.h"
#include "res/resource.h"
#include "settings/LanguageTable.h"

CAboutDlg::CAboutDlg(const LanguageTable& language, NeroApiLib::VersionReading library, CDialog* parent)
    : CDialog(IDD_ABOUT, parent), m_language(language), m_library(library) {
    MapCommand(IDC_ABOUT_MAIL, [this] { m_linkMail.OnClicked(); });
    MapCommand(IDC_ABOUT_HOMEPAGE, [this] { m_linkHome.OnClicked(); });
}

CString CAboutDlg::Text(int id) const {
    return CString(m_language.GetText(id).c_str());
}

int CAboutDlg::DoModal() {
    m_strVersion = app::AboutVersionLine(m_library, m_language.GetText(kTxtNoLibraryLoaded),
                                         app::ProgramBuildDate())
                       .c_str();
    m_strThanks = Text(kTxtAboutThanks);
    m_strTranslation = Text(kTxtAboutTranslation);
    m_linkHome.SetTarget(Text(kTxtHomePage));
    m_linkMail.SetTarget(Text(kTxtContactMail));
    m_linkHome.m_nUnderlineMode = -1;
    m_linkMail.m_nUnderlineMode = -1;
    return CDialog::DoModal();
}

void CAboutDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_ABOUT_VERSION, m_strVersion);
    DDX_Text(pDX, IDC_ABOUT_THANKS, m_strThanks);
    DDX_Text(pDX, IDC_ABOUT_TRANSLATION, m_strTranslation);
}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_linkMail.Attach(this, IDC_ABOUT_MAIL);
    m_linkHome.Attach(this, IDC_ABOUT_HOMEPAGE);
    m_buttons.Attach(*this, {IDOK});
    SetWindowText(bbfmt::Format(m_language.GetText(kTxtAboutTitle), {bbres::kProgramName, bbres::kProgramVersion})
                      .c_str());
    SetDlgItemText(IDC_ABOUT_CONTACT, Text(kTxtContactGroup));
    return TRUE;
}

namespace app {

platform::HeadlessDialogTemplate HeadlessAboutDialog() {
    return bbres::HeadlessDialog(IDD_ABOUT);
}

}  // namespace app
