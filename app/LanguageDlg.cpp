#include "app/LanguageDlg.h"

#include <algorithm>
#include <cctype>

#include "app/SettingsDialogTexts.h"
#include "platform/Files.h"
#include "res/TextIds.h"
#include "res/resource.h"

namespace bb::app {

namespace {

std::string Folded(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

CLanguageDlg::CLanguageDlg(const settings::LanguageTable& texts, framework::CDialog* parent)
    : framework::CDialog(IDD_LANGUAGE, parent), m_texts(texts), m_cbFiles(this, IDC_LANG_LIST) {}

std::vector<std::string> CLanguageDlg::LanguageFilesIn(const std::string& folder) {
    std::vector<std::string> names;
    if (const auto entries = platform::SystemFiles().List(folder, "*.lng"))
        for (const platform::FolderEntry& entry : *entries)
            if (!entry.isFolder)
                names.push_back(entry.name);
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string fa = Folded(a), fb = Folded(b);
        return fa != fb ? fa < fb : a < b;
    });
    return names;
}

BOOL CLanguageDlg::OnInitDialog() {
    framework::CDialog::OnInitDialog();
    m_buttons.Attach(*this, {IDOK, IDCANCEL});
    app::ApplyDialogTexts(*this, m_texts, res::kTxtLanguageTitle,
                          {{IDC_LANG_GROUP, res::kTxtChooseLanguageGroup}, {IDCANCEL, res::kTxtCancelButton}});
    m_cbFiles.ResetContent();
    for (const std::string& name : LanguageFilesIn(m_strFolder.str()))
        m_cbFiles.AddString(name.c_str());
    // The current file, or a file whose name begins with it in any letter
    // case; else the first entry.
    if (m_cbFiles.GetCount() > 0 && m_cbFiles.SelectString(-1, m_strChosenFile) == CB_ERR)
        m_cbFiles.SetCurSel(0);
    return TRUE;
}

void CLanguageDlg::OnOK() {
    const int selected = m_cbFiles.GetCurSel();
    if (selected >= 0)
        m_strChosenFile = m_cbFiles.GetLBText(selected);
    m_bChanged = true;
    EndDialog(IDOK);
}

}  // namespace bb::app
