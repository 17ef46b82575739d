#include "compilation/LabelText.h"

namespace compilation {

// File names and texts are UTF-8 here.
LabelEncoding NativeLabelEncoding() { return LabelEncoding::Utf8; }

}  // namespace compilation
