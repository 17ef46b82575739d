#include "recorder/library/ErrorLog.h"

#include <mutex>

namespace bb::recorder::library {
namespace {

std::mutex g_mutex;
std::string g_text;

}  // namespace

void AddError(const std::string& line) {
    std::lock_guard lock(g_mutex);
    g_text += line;
    g_text += '\n';
}

void ClearErrors() {
    std::lock_guard lock(g_mutex);
    g_text.clear();
}

std::string ErrorText() {
    std::lock_guard lock(g_mutex);
    return g_text;
}

}  // namespace bb::recorder::library
