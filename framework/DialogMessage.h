// A window message as the dialog's key filter sees it, on every host.
#pragma once

#include <cstdint>

namespace bb::framework {

struct DialogMessage {
    enum class Kind { KeyDown, KeyUp, SysKeyDown, SysKeyUp, Char, Other };
    Kind kind = Kind::Other;
    int key = 0;              // virtual key code (VK_...) for key messages
    bool altDown = false;     // Alt held while the message was generated
    int controlId = 0;        // id of the control it is addressed to; 0 = the dialog
    uint32_t nativeMessage = 0;  // the Win32 message number; 0 on the headless host

    bool IsKeyDown(int vk) const {
        return (kind == Kind::KeyDown || kind == Kind::SysKeyDown) && key == vk;
    }
};

}  // namespace bb::framework
