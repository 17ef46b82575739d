// The main window's template and menu as the headless host models them.
#pragma once

#include "platform/headless/HeadlessTemplate.h"

namespace bb::app {

platform::HeadlessDialogTemplate HeadlessMainDialog();

}  // namespace bb::app
