#include "framework/DialogHost.h"

#include <mutex>

namespace bb::framework {

namespace {
std::mutex g_factoryMutex;
DialogHostFactory g_factory;
}  // namespace

DialogHostFactory SetDialogHostFactory(DialogHostFactory factory) {
    std::lock_guard<std::mutex> lock(g_factoryMutex);
    DialogHostFactory previous = std::move(g_factory);
    g_factory = std::move(factory);
    return previous;
}

std::unique_ptr<DialogHost> CreateDialogHost(CDialog& dialog, DialogHost* owner) {
    DialogHostFactory factory;
    {
        std::lock_guard<std::mutex> lock(g_factoryMutex);
        factory = g_factory;
    }
    return factory ? factory(dialog, owner) : nullptr;
}

}  // namespace bb::framework
