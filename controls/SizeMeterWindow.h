// The native side of a CSizeMeter (controls/SizeMeter.h): the subclassed
// static with its strip and parts images. Hosts without native windows get
// none.
#pragma once

#include <memory>

namespace bb::controls {

class CSizeMeter;

}  // namespace bb::controls

namespace bb::controls {

class SizeMeterWindow {
public:
    virtual ~SizeMeterWindow() = default;
    [[nodiscard]] virtual void* Handle() const = 0;
    // See CSizeMeter::LoadStrip; `owner` is the owner's window (an HWND).
    virtual int LoadStrip(unsigned bitmapId, void* owner) = 0;
    virtual void Repaint() = 0;
};

std::unique_ptr<SizeMeterWindow> AttachSizeMeterWindow(CSizeMeter& meter, void* control);

}  // namespace bb::controls
