// The language texts a settings dialog puts on its controls and its title
// when it opens.
#pragma once

#include <initializer_list>

namespace bb::framework { class CDialog; }
namespace bb::settings { class LanguageTable; }

namespace bb::app {

struct ControlText {
    int controlId;
    int textId;
};

// Sets the title and each control's caption from the language file. A text
// the file does not have (a truncated or foreign file) leaves the template's
// caption in place rather than an empty control.
void ApplyDialogTexts(framework::CDialog& dialog, const settings::LanguageTable& texts, int titleTextId,
                      std::initializer_list<ControlText> controls);

}  // namespace bb::app
