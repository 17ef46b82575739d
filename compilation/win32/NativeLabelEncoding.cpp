#include "compilation/LabelText.h"

namespace bb::compilation {

// The program uses the ANSI functions, whose text is code page 1252 on the
// Western European Windows the umlaut spellings are made for.
LabelEncoding NativeLabelEncoding() { return LabelEncoding::Windows1252; }

}  // namespace bb::compilation
