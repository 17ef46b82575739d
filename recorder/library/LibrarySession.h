// What NeroInit hands the library: the idle poll and the user-dialog
// answerer, kept until NeroDone.
#pragma once

#include "neroapi/NeroRecords.h"

namespace rec::lib {

struct SessionCallbacks {
    nero::IdleCallback idle = nullptr;
    void* idleUser = nullptr;
    nero::UserDialogCallback userDialog = nullptr;
    void* userDialogUser = nullptr;
};

void StartSession(const nero::LibSettingsRecord& settings);
void EndSession();
SessionCallbacks CurrentSession();

}  // namespace rec::lib
