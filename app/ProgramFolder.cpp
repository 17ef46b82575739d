#include "app/ProgramFolder.h"

#include "platform/Paths.h"

namespace app {

CString FolderOf(const CString& path) {
    const int cut = path.ReverseFind(platform::kPathSeparator);
    return cut < 0 ? CString() : path.Left(cut);
}

}  // namespace app
