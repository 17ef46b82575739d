#include "framework/MessageBoxType.h"

namespace bb::framework {

namespace {
// Win32 ids of the buttons that only these tables use.
constexpr int kIdAbort = 3, kIdRetry = 4, kIdIgnore = 5;
constexpr int kIdOk = 1, kIdCancel = 2, kIdYes = 6, kIdNo = 7;
}  // namespace

std::vector<int> MessageBoxButtons(unsigned type) {
    switch (type & 0xFu) {
    case 1: return {kIdOk, kIdCancel};
    case 2: return {kIdAbort, kIdRetry, kIdIgnore};
    case 3: return {kIdYes, kIdNo, kIdCancel};
    case 4: return {kIdYes, kIdNo};
    case 5: return {kIdRetry, kIdCancel};
    default: return {kIdOk};
    }
}

int DefaultMessageBoxButton(unsigned type) {
    const std::vector<int> buttons = MessageBoxButtons(type);
    const unsigned which = (type & 0xF00u) >> 8;
    return which < buttons.size() ? buttons[which] : buttons.front();
}

const char* MessageBoxButtonName(int id) {
    switch (id) {
    case kIdOk: return "OK";
    case kIdCancel: return "Cancel";
    case kIdAbort: return "Abort";
    case kIdRetry: return "Retry";
    case kIdIgnore: return "Ignore";
    case kIdYes: return "Yes";
    case kIdNo: return "No";
    default: return "?";
    }
}

}  // namespace bb::framework
