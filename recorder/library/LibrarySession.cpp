#include "recorder/library/LibrarySession.h"

#include <mutex>

namespace bb::recorder::library {
namespace {

std::mutex g_mutex;
SessionCallbacks g_session;

}  // namespace

void StartSession(const neroapi::LibSettingsRecord& settings) {
    std::lock_guard lock(g_mutex);
    g_session = SessionCallbacks{settings.idle, settings.idleUser, settings.userDialog,
                                 settings.userDialogUser};
}

void EndSession() {
    std::lock_guard lock(g_mutex);
    g_session = SessionCallbacks{};
}

SessionCallbacks CurrentSession() {
    std::lock_guard lock(g_mutex);
    return g_session;
}

}  // namespace bb::recorder::library
