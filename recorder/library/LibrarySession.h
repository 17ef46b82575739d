// What NeroInit hands the library: the idle poll and the user-dialog
// answerer, kept until NeroDone.
#pragma once

#include "neroapi/NeroRecords.h"

namespace bb::recorder::library {

struct SessionCallbacks {
    neroapi::IdleCallback idle = nullptr;
    void* idleUser = nullptr;
    neroapi::UserDialogCallback userDialog = nullptr;
    void* userDialogUser = nullptr;
};

void StartSession(const neroapi::LibSettingsRecord& settings);
void EndSession();
SessionCallbacks CurrentSession();

}  // namespace bb::recorder::library
