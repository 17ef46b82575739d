#include "compilation/LabelText.h"

namespace bb::compilation {

// File names and texts are UTF-8 here.
LabelEncoding NativeLabelEncoding() { return LabelEncoding::Utf8; }

}  // namespace bb::compilation
