// The folder that holds the module (executable or shared library) this code
// is linked into, with no trailing separator; empty when the system cannot
// tell. Linked into the recording library, it names the library's folder.
#pragma once

#include <string>

namespace bb::platform {

std::string ModuleFolder();

}  // namespace bb::platform
