#include "platform/base/ModuleFolder.h"

#include <dlfcn.h>

namespace bb::platform {
namespace {

void Anchor() {}

}  // namespace

std::string ModuleFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&Anchor), &info) == 0 || info.dli_fname == nullptr) {
        return {};
    }
    const std::string file = info.dli_fname;
    const size_t slash = file.rfind('/');
    return slash == std::string::npos ? std::string(".") : file.substr(0, slash);
}

}  // namespace bb::platform
