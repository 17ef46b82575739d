#include "app/SettingsDialogTexts.h"

#include <string>

#include "framework/CDialog.h"
#include "settings/LanguageTable.h"

namespace bb::app {

void ApplyDialogTexts(framework::CDialog& dialog, const settings::LanguageTable& texts, int titleTextId,
                      std::initializer_list<ControlText> controls) {
    const std::string title = texts.GetText(titleTextId);
    if (!title.empty())
        dialog.SetWindowText(title.c_str());
    for (const ControlText& c : controls) {
        const std::string text = texts.GetText(c.textId);
        if (!text.empty())
            dialog.SetDlgItemText(c.controlId, text.c_str());
    }
}

}  // namespace bb::app
