// The main window's template and menu as the headless host models them.
#pragma once

#include "platform/headless/HeadlessTemplate.h"

namespace app {

platform::HeadlessDialogTemplate HeadlessMainDialog();

}  // namespace app
