#include "controls/IconButtonLayout.h"

namespace bb::controls {

ImagePlacement PlaceImage(const ButtonRect& item, int width, int height, bool hasCaption, int marginX, bool pressed,
                          int pressedDx, int pressedDy) {
    ImagePlacement placed;
    placed.caption = item;
    int left;
    if (hasCaption) {
        left = item.left + marginX;
        placed.caption.left = item.left + marginX + width;
    } else {
        left = item.left + (item.Width() - width) / 2;
    }
    int top = item.top + (item.Height() - height) / 2;
    if (pressed) {
        left += pressedDx;
        top += pressedDy;
    }
    placed.image = {left, top, left + width, top + height};
    return placed;
}

ButtonPoint PlaceCaption(const ButtonRect& caption, int textWidth, int textHeight, bool pressed, int pressedDx,
                         int pressedDy) {
    ButtonPoint at{caption.left + (caption.Width() - textWidth) / 2, caption.top + (caption.Height() - textHeight) / 2};
    if (pressed) {
        at.x += pressedDx;
        at.y += pressedDy;
    }
    return at;
}

ButtonColours ColoursFor(const ButtonPaintState& state) {
    if (state.hot || state.pressed)
        return ButtonColours::Hot;
    return state.focused ? ButtonColours::Focused : ButtonColours::Normal;
}

FlatEdge EdgeFor(bool flat, bool drawFlatEdge, const ButtonPaintState& state) {
    if (!flat || !drawFlatEdge)
        return FlatEdge::None;
    if (state.pressed)
        return FlatEdge::Sunken;
    return state.hot ? FlatEdge::Raised : FlatEdge::None;
}

int ThemeStateFor(const ButtonPaintState& state) {
    if (state.disabled)
        return kThemeStateDisabled;
    if (state.pressed)
        return kThemeStatePressed;
    if (state.hot)
        return kThemeStateHot;
    if (state.isDefault)
        return kThemeStateDefault;
    return kThemeStateNormal;
}

OwnerDrawStyle MakeOwnerDrawn(unsigned style) {
    OwnerDrawStyle made;
    made.isDefault = (style & kButtonTypeMask) == kDefPushButton;
    made.style = (style & ~kButtonTypeMask) | kOwnerDraw;
    return made;
}

OwnerDrawStyle RestyleOwnerDrawn(unsigned requested, bool wasDefault) {
    OwnerDrawStyle made;
    const unsigned type = requested & kButtonTypeMask;
    made.isDefault = type == kDefPushButton ? true : type == kPushButton ? false : wasDefault;
    made.style = (requested & ~0x14u) | kOwnerDraw;
    return made;
}

unsigned DialogCodeFor(unsigned defaultCode, bool isDefault) {
    return defaultCode | (isDefault ? 0x10u : 0x20u);
}

HoverStep HoverStepFor(bool leftButtonHeld, bool hot, bool overButton) {
    if (leftButtonHeld && !hot)
        return HoverStep::Nothing;
    if (overButton)
        return hot ? HoverStep::Nothing : HoverStep::Enter;
    return HoverStep::Leave;
}

}  // namespace bb::controls
