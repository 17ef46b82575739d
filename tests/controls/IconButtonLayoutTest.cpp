// The icon button's placement and state arithmetic.
#include <gtest/gtest.h>

#include "controls/IconButtonLayout.h"

namespace bb::controls {

namespace {

using controls::ButtonPaintState;
using controls::ButtonRect;

TEST(IconButtonPlacement, ImageAndCaptionRectangles) {
    struct Case {
        const char* name;
        ButtonRect item;
        int w, h;
        bool caption, pressed;
        ButtonRect image, captionRect;
    } const cases[] = {
        {"no caption: centred", {0, 0, 25, 16}, 16, 16, false, false, {4, 0, 20, 16}, {0, 0, 25, 16}},
        {"no caption, odd space truncates", {0, 0, 28, 24}, 24, 21, false, false, {2, 1, 26, 22}, {0, 0, 28, 24}},
        {"no caption, pressed", {0, 0, 25, 16}, 16, 16, false, true, {5, 1, 21, 17}, {0, 0, 25, 16}},
        {"caption: margin 3, caption right of the image", {0, 0, 81, 26}, 16, 16, true, false, {3, 5, 19, 21},
         {19, 0, 81, 26}},
        {"caption, pressed: the image moves, the caption area does not", {0, 0, 81, 26}, 16, 16, true, true,
         {4, 6, 20, 22}, {19, 0, 81, 26}},
        {"image larger than the button", {10, 10, 30, 20}, 32, 32, false, false, {4, -1, 36, 31},
         {10, 10, 30, 20}},
    };
    for (const Case& c : cases) {
        const controls::ImagePlacement placed = controls::PlaceImage(c.item, c.w, c.h, c.caption, 3, c.pressed, 1, 1);
        EXPECT_EQ(placed.image, c.image) << c.name;
        EXPECT_EQ(placed.caption, c.captionRect) << c.name;
    }
}

TEST(IconButtonPlacement, CaptionCentredAndShiftedWhilePressed) {
    EXPECT_EQ(controls::PlaceCaption({19, 0, 81, 26}, 30, 13, false, 1, 1), (controls::ButtonPoint{35, 6}));
    EXPECT_EQ(controls::PlaceCaption({19, 0, 81, 26}, 30, 13, true, 1, 1), (controls::ButtonPoint{36, 7}));
    EXPECT_EQ(controls::PlaceCaption({0, 0, 54, 16}, 60, 13, false, 1, 1), (controls::ButtonPoint{-3, 1}));
}

// Every combination of the five state flags: the theme state (first rule
// that holds), the colour pair and the flat edge.
TEST(IconButtonStates, EveryStateMapsToThemeColoursAndEdge) {
    for (int bits = 0; bits < 32; ++bits) {
        ButtonPaintState s;
        s.hot = bits & 1;
        s.pressed = bits & 2;
        s.focused = bits & 4;
        s.disabled = bits & 8;
        s.isDefault = bits & 16;
        const int theme = s.disabled ? 4 : s.pressed ? 3 : s.hot ? 2 : s.isDefault ? 5 : 1;
        EXPECT_EQ(controls::ThemeStateFor(s), theme) << bits;
        const auto colours = (s.hot || s.pressed) ? controls::ButtonColours::Hot
                             : s.focused          ? controls::ButtonColours::Focused
                                                  : controls::ButtonColours::Normal;
        EXPECT_EQ(controls::ColoursFor(s), colours) << bits;
        const auto edge = s.pressed ? controls::FlatEdge::Sunken
                          : s.hot   ? controls::FlatEdge::Raised
                                    : controls::FlatEdge::None;
        EXPECT_EQ(controls::EdgeFor(true, true, s), edge) << bits;
        EXPECT_EQ(controls::EdgeFor(false, true, s), controls::FlatEdge::None) << bits;
        EXPECT_EQ(controls::EdgeFor(true, false, s), controls::FlatEdge::None) << bits;
    }
}

TEST(IconButtonStyles, OwnerDrawnKeepsOtherBitsAndRemembersTheDefault) {
    struct Case {
        const char* name;
        unsigned style;
        unsigned made;
        bool isDefault;
    } const cases[] = {
        {"push button with tab stop", 0x50010000, 0x5001000B, false},
        {"default push button", 0x50010001, 0x5001000B, true},
        {"disabled push button", 0x58010000, 0x5801000B, false},
    };
    for (const Case& c : cases) {
        const controls::OwnerDrawStyle made = controls::MakeOwnerDrawn(c.style);
        EXPECT_EQ(made.style, c.made) << c.name;
        EXPECT_EQ(made.isDefault, c.isDefault) << c.name;
    }
    // The dialog moving its default button: type 1 and 0 decide, the
    // result stays owner-drawn either way.
    EXPECT_EQ(controls::RestyleOwnerDrawn(0x1, false).style, 0xBu);
    EXPECT_TRUE(controls::RestyleOwnerDrawn(0x1, false).isDefault);
    EXPECT_FALSE(controls::RestyleOwnerDrawn(0x0, true).isDefault);
    EXPECT_TRUE(controls::RestyleOwnerDrawn(0xB, true).isDefault);
    EXPECT_EQ(controls::DialogCodeFor(0x2000, true), 0x2010u);
    EXPECT_EQ(controls::DialogCodeFor(0x2000, false), 0x2020u);
}

TEST(IconButtonHover, DraggingInDoesNotMakeItHot) {
    using controls::HoverStep;
    struct Case {
        bool held, hot, over;
        HoverStep step;
    } const cases[] = {
        {false, false, true, HoverStep::Enter},  {false, true, true, HoverStep::Nothing},
        {true, false, true, HoverStep::Nothing}, {true, true, true, HoverStep::Nothing},
        {false, true, false, HoverStep::Leave},  {true, true, false, HoverStep::Leave},
        {false, false, false, HoverStep::Leave}, {true, false, false, HoverStep::Nothing},
    };
    for (const Case& c : cases)
        EXPECT_EQ(controls::HoverStepFor(c.held, c.hot, c.over), c.step)
            << "held " << c.held << " hot " << c.hot << " over " << c.over;
}

}  // namespace

}  // namespace bb::controls
