// Where an icon button puts its image and caption, which colours and edge a
// state shows, and which visual-style state it asks the theme for. Pure
// arithmetic; the control only paints what these answer.
#pragma once

namespace bb::controls {

struct ButtonRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    [[nodiscard]] int Width() const { return right - left; }
    [[nodiscard]] int Height() const { return bottom - top; }
    friend bool operator==(const ButtonRect&, const ButtonRect&) = default;
};

// The state of one paint, as the owner-draw request and the hover tracking
// give it.
struct ButtonPaintState {
    bool hot = false;
    bool pressed = false;
    bool focused = false;
    bool disabled = false;
    bool isDefault = false;
};

struct ImagePlacement {
    ButtonRect image;    // where the image is drawn, at its own size
    ButtonRect caption;  // what is left for the caption (before the pressed shift)
};

// An image of `width` x `height` in `item`: centred without a caption,
// `marginX` from the left edge and centred vertically with one (the caption
// then starts right of the image). Halves are truncated; while pressed the
// image moves by (pressedDx, pressedDy).
[[nodiscard]] ImagePlacement PlaceImage(const ButtonRect& item, int width, int height, bool hasCaption, int marginX,
                                        bool pressed, int pressedDx, int pressedDy);

// The top-left corner of a measured caption block of `textWidth` x
// `textHeight` centred in `caption`, moved by (pressedDx, pressedDy) while
// pressed. Halves are truncated.
struct ButtonPoint {
    int x = 0, y = 0;
    friend bool operator==(const ButtonPoint&, const ButtonPoint&) = default;
};
[[nodiscard]] ButtonPoint PlaceCaption(const ButtonRect& caption, int textWidth, int textHeight, bool pressed,
                                       int pressedDx, int pressedDy);

// Which of the three (background, text) colour pairs a paint uses.
enum class ButtonColours { Normal, Hot, Focused };
[[nodiscard]] ButtonColours ColoursFor(const ButtonPaintState& state);

// The one-pixel edge of the flat look.
enum class FlatEdge { None, Raised, Sunken };
[[nodiscard]] FlatEdge EdgeFor(bool flat, bool drawFlatEdge, const ButtonPaintState& state);

// The states of the push-button part (BP_PUSHBUTTON, 1) of the BUTTON
// visual-style class.
inline constexpr int kThemeStateNormal = 1;
inline constexpr int kThemeStateHot = 2;
inline constexpr int kThemeStatePressed = 3;
inline constexpr int kThemeStateDisabled = 4;
inline constexpr int kThemeStateDefault = 5;
[[nodiscard]] int ThemeStateFor(const ButtonPaintState& state);

// Button styles as the owner-drawn button takes them over.
inline constexpr unsigned kButtonTypeMask = 0x1F;
inline constexpr unsigned kPushButton = 0x0;
inline constexpr unsigned kDefPushButton = 0x1;
inline constexpr unsigned kOwnerDraw = 0xB;

struct OwnerDrawStyle {
    unsigned style = 0;
    bool isDefault = false;
};
// The control's style made owner-drawn; a default push button says so.
[[nodiscard]] OwnerDrawStyle MakeOwnerDrawn(unsigned style);
// The style a "set button style" request passes on when the dialog moves
// its default button: bits 0x14 cleared, the owner-drawn type set. The
// request's type 1 makes the button the default, type 0 takes that away;
// any other type leaves `wasDefault`.
[[nodiscard]] OwnerDrawStyle RestyleOwnerDrawn(unsigned requested, bool wasDefault);

// The dialog code: the default one with "default push button" (0x10) or
// "non-default push button" (0x20).
[[nodiscard]] unsigned DialogCodeFor(unsigned defaultCode, bool isDefault);

// What a mouse move over the button does to its hot state.
enum class HoverStep { Nothing, Enter, Leave };
// `overButton`: the window under the mouse is the button itself.
[[nodiscard]] HoverStep HoverStepFor(bool leftButtonHeld, bool hot, bool overButton);

}  // namespace bb::controls
