#include "app/MinimisedIcon.h"

#include <atomic>

namespace bb::app {
namespace {
std::atomic<MinimisedIconPainter> g_painter{nullptr};
}  // namespace

void SetMinimisedIconPainter(MinimisedIconPainter painter) {
    g_painter.store(painter);
}

void PaintIconWhenMinimised(void* window, int iconResourceId) {
    if (MinimisedIconPainter painter = g_painter.load())
        painter(window, iconResourceId);
}

}  // namespace bb::app
