// C++ source holding a parsed resource script's dialogs and menus as the
// tables of res/DialogTemplate.h.
#pragma once

#include <string>

#include "tools/rc2template/RcScript.h"

namespace bb::tools::rc2template {

std::string WriteTemplateSource(const RcScript& script, const std::string& scriptName);

}  // namespace bb::tools::rc2template
