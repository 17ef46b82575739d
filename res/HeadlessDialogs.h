// The script's dialogs as the headless host models them (kinds, captions,
// start states, radio groups, the menu bar).
#pragma once

#include "platform/headless/HeadlessTemplate.h"
#include "res/DialogTemplate.h"

namespace bb::res {

platform::HeadlessDialogTemplate HeadlessDialogOf(const DialogTemplate& dialog);

// The script's dialog with this id; stops the program when the script has none.
platform::HeadlessDialogTemplate HeadlessDialog(int id);

}  // namespace bb::res
