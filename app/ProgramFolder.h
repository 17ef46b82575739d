// The folder part of a path, for the program folder.
#pragma once

#include "framework/CString.h"

namespace app {

// Everything before the last path separator; empty when there is none.
// (To be replaced by CPathUtil::FolderOf when the path helpers land.)
CString FolderOf(const CString& path);

}  // namespace app
