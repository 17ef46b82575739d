// There are no visual styles here: every theme call takes its substitute.
#include "controls/ThemeLib.h"
#include "platform/ModuleLoader.h"

namespace bb::controls {

std::unique_ptr<platform::Module> OpenThemeModule() {
    return nullptr;
}

}  // namespace bb::controls
