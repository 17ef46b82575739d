#include "platform/FilePickerService.h"
#include "platform/NativeServices.h"
#include "platform/ScriptedFilePickers.h"

namespace bb::platform {

FilePickerService& NativeFilePickers() {
    static ScriptedFilePickers pickers;
    return pickers;
}

}  // namespace bb::platform
