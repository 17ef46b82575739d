#include "controls/ThemedIconButton.h"

#include "controls/ThemeLib.h"

namespace bb::controls {

CThemedIconButton::CThemedIconButton() {
    m_bDrawFlatEdge = 0;
}

int CThemedIconButton::SetTheme(ThemeLib* theme) {
    m_pTheme = theme;
    if (!theme || !theme->IsAppThemed()) {
        m_bDrawFlatEdge = 1;
        return 0;
    }
    return 1;
}

void CThemedIconButton::PaintBackground(void* dc, const controls::ButtonRect& rect) {
    if (!m_pTheme || !m_pTheme->IsAppThemed()) {
        CIconButton::PaintBackground(dc, rect);
        return;
    }
    // Nothing is cached: a change of visual style shows at the next paint.
    void* theme = m_pTheme->OpenThemeData(NativeHandle(), L"BUTTON");
    if (!theme) {
        CIconButton::PaintBackground(dc, rect);
        return;
    }
    const controls::ThemeRect area{rect.left, rect.top, rect.right, rect.bottom};
    m_pTheme->DrawBackground(theme, NativeHandle(), dc, controls::kThemePartPushButton,
                             controls::ThemeStateFor(PaintState()), &area, nullptr);
    m_pTheme->CloseThemeData(theme);
}

void CThemedIconButton::PaintEdge(void* dc, const controls::ButtonRect& rect) {
    // The themed background has its own edge.
    if (m_pTheme && m_pTheme->IsAppThemed())
        return;
    CIconButton::PaintEdge(dc, rect);
}

}  // namespace bb::controls
