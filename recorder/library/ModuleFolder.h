// The folder that holds this library's module file, with no trailing
// separator; empty when the system cannot tell.
#pragma once

#include <string>

namespace rec::lib {

std::string ModuleFolder();

constexpr char kPathSeparator =
#ifdef _WIN32
    '\\';
#else
    '/';
#endif

}  // namespace rec::lib
