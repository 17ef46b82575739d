// The texts the program carries itself, for when the language file lacks
// them: the About box's two links, the start-up status line and the settings
// file template.
#pragma once

namespace bb::settings {

// The built-in text for `id`, or null when the program has none.
const char* BuiltinText(int id);

}  // namespace bb::settings
