// How the main window looks when minimised is up to the window system: the
// Windows front end installs a painter that draws the window icon; other
// hosts have none.
#pragma once

namespace bb::app {

using MinimisedIconPainter = void (*)(void* window, int iconResourceId);

void SetMinimisedIconPainter(MinimisedIconPainter painter);
// Hands the window to the installed painter, if any.
void PaintIconWhenMinimised(void* window, int iconResourceId);

}  // namespace bb::app
