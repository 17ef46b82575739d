// The link label's colours, hover state and fitting to its text.
#include <gtest/gtest.h>

#include "controls/LinkLabel.h"

namespace bb::controls {

namespace {

using controls::FitLinkToText;
using controls::LinkRect;

TEST(LinkLabel, ColourFollowsHoverAndOpening) {
    CLinkLabel link;
    EXPECT_EQ(link.TextColour(), 0xEE0000u) << "a link not yet opened";
    EXPECT_FALSE(link.ShowsUnderline());

    EXPECT_TRUE(link.OnMouseOver()) << "the first move makes it hot";
    EXPECT_FALSE(link.OnMouseOver()) << "later moves change nothing";
    EXPECT_EQ(link.TextColour(), 0x0000FFu);
    EXPECT_TRUE(link.ShowsUnderline());

    EXPECT_FALSE(link.OnHoverTick(true)) << "the mouse is still over it";
    link.MarkOpened(TRUE);
    EXPECT_EQ(link.TextColour(), 0x0000FFu) << "hot wins over opened";
    EXPECT_TRUE(link.OnHoverTick(false));
    EXPECT_FALSE(link.OnHoverTick(false)) << "only the first tick outside ends it";
    EXPECT_EQ(link.TextColour(), 0x8B1A55u);
    EXPECT_FALSE(link.ShowsUnderline());

    link.MarkOpened(FALSE);
    EXPECT_EQ(link.TextColour(), 0xEE0000u);
}

TEST(LinkLabel, FitsToItsTextKeepingTheEdgeItsStyleNames) {
    // A 161 x 15 control at (80, 240) with a 2-pixel frame all round; the
    // text measures 120 x 13, so the window becomes 124 x 17.
    const LinkRect window{80, 240, 241, 255};
    struct Case {
        const char* name;
        unsigned style;
        LinkRect expected;
    } cases[] = {
        {"left", 0, {80, 240, 204, 257}},
        {"centre", controls::kStaticCentre, {98, 240, 222, 257}},
        {"right", controls::kStaticRight, {117, 240, 241, 257}},
        {"centre image", controls::kStaticCentreImage, {80, 239, 204, 256}},
        {"centre and centre image", controls::kStaticCentre | controls::kStaticCentreImage, {98, 239, 222, 256}},
        {"notify alone", controls::kStaticNotify, {80, 240, 204, 257}},
    };
    for (const Case& c : cases) EXPECT_EQ(FitLinkToText(window, 120, 13, 4, 4, c.style), c.expected) << c.name;
}

}  // namespace

}  // namespace bb::controls
