// The icon button painted in the system's visual style when one is active:
// the background and edge steps go through the dialog's ThemeLib; without a
// theme (no library, styles switched off, no theme data) it paints exactly
// like CIconButton. Whether a theme is active is asked at every paint.
#pragma once

#include "controls/IconButton.h"

namespace bb::controls {

class ThemeLib;

class CThemedIconButton : public CIconButton {
public:
    CThemedIconButton();

    // Stores the dialog's theme access. Without one, or without active
    // visual styles, the flat edges are drawn (m_bDrawFlatEdge 1) and 0 is
    // returned; otherwise the non-zero answer of IsAppThemed.
    int SetTheme(ThemeLib* theme);

    void PaintBackground(void* dc, const controls::ButtonRect& rect) override;
    void PaintEdge(void* dc, const controls::ButtonRect& rect) override;

    ThemeLib* m_pTheme = nullptr;
};

}  // namespace bb::controls
