#include "app/MainDialogHeadless.h"

#include "res/HeadlessDialogs.h"
#include "res/MainDialogTemplate.h"

namespace app {

platform::HeadlessDialogTemplate HeadlessMainDialog() {
    return bbres::HeadlessDialogOf(bbres::MainDialog());
}

}  // namespace app
