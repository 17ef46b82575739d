#include "app/MainDialogHeadless.h"

#include "res/HeadlessDialogs.h"
#include "res/MainDialogTemplate.h"

namespace bb::app {

platform::HeadlessDialogTemplate HeadlessMainDialog() {
    return res::HeadlessDialogOf(res::MainDialog());
}

}  // namespace bb::app
