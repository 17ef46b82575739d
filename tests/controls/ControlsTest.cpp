// The link label, link opening, the icon button, the size meter and theme
// access, without windows.
#include "controls/IconButtonLayout.h"
#include "controls/LinkLabel.h"
#include "controls/LinkOpening.h"
#include "controls/SizeMeterLayout.h"
#include "controls/ThemeLib.h"
#include "controls/ThemedIconButton.h"
#include "platform/ModuleLoader.h"
#include "platform/base/SystemCallingConvention.h"
#include "tests/controls/FakeShellAndRegistry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace bb::controls {
namespace {

// The link label's colours, hover state and fitting to its text.
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
    struct Case { const char* name; unsigned style; LinkRect expected; } cases[] = {
        {"left", 0, {80, 240, 204, 257}},
        {"centre", controls::kStaticCentre, {98, 240, 222, 257}},
        {"right", controls::kStaticRight, {117, 240, 241, 257}},
        {"centre image", controls::kStaticCentreImage, {80, 239, 204, 256}},
        {"centre and centre image", controls::kStaticCentre | controls::kStaticCentreImage, {98, 239, 222, 256}},
        {"notify alone", controls::kStaticNotify, {80, 240, 204, 257}},
    };
    for (const Case& c : cases) EXPECT_EQ(FitLinkToText(window, 120, 13, 4, 4, c.style), c.expected) << c.name;
}

// Opening a link's target and the words for each failure.
using controls::test::FakeRegistry;
using controls::test::FakeShell;
using platform::RegistryRoot;

// The shell's 0, the ERROR_ numbers 2..11 and its own 26..32 are named.
TEST(LinkOpening, ErrorMessagesNameKnownCodesAndNumberTheRest) {
    const std::string prefix = "Unable to open hyperlink:\n\n";
    const std::pair<int, const char*> cases[] = {
        {0, "The operating system is out\nof memory or resources."},
        {26, "A sharing violation occurred. "},
        {31, "There is no application associated\nwith the given filename extension."},
        {-3, "Unknown Error (-3) occurred."}, {1, "Unknown Error (1) occurred."},
        {25, "Unknown Error (25) occurred."}, {33, "Unknown Error (33) occurred."},
    };
    for (const auto& [code, text] : cases) EXPECT_EQ(controls::OpenErrorMessage(code), prefix + text) << code;
    for (int code : {2, 3, 5, 8, 11, 27, 28, 29, 30, 32})
        EXPECT_EQ(controls::OpenErrorMessage(code).find("Unknown"), std::string::npos) << code;
}

TEST(LinkOpening, BrowserCommandIsCutAtItsPlaceholder) {
    struct Case { const char* command; const char* expected; } cases[] = {
        {"\"C:\\Web\\browser.exe\" \"%1\"", "\"C:\\Web\\browser.exe\" http://x/"},
        {"C:\\Web\\browser.exe -url \"%1\" -new", "C:\\Web\\browser.exe -url http://x/"},
        {"C:\\Web\\browser.exe %1", "C:\\Web\\browser.exe http://x/"},
        {"C:\\Web\\browser.exe", "C:\\Web\\browser.exe http://x/"},
        // The quoted form is looked for first, even after a bare one.
        {"b.exe %1x \"%1\"", "b.exe %1x http://x/"},
    };
    for (const Case& c : cases) EXPECT_EQ(controls::BrowserCommandFor(c.command, "http://x/"), c.expected) << c.command;
}

// The shell first; when it fails, the open command of the ".htm" class.
TEST(LinkOpening, TheHtmBrowserOpensWhatTheShellCouldNot) {
    struct Case {
        const char* name;
        intptr_t shellResult;
        const char* htmClass;  // nullptr: none registered
        std::string command;   // "": none registered
        unsigned runResult;
        intptr_t expected;
        const char* ran;  // nullptr: nothing run
    } cases[] = {
        {"the shell opens it", 42, "htmlfile", "b.exe \"%1\"", 33, 42, nullptr},
        {"no .htm class", 31, nullptr, "b.exe \"%1\"", 33, 31, nullptr},
        {"a class without an open command", 31, "htmlfile", "", 33, 31, nullptr},
        {"the browser starts", 2, "htmlfile", "\"C:\\Web\\browser.exe\" \"%1\"", 33, 33,
         "\"C:\\Web\\browser.exe\" http://x/"},
        {"the browser does not start", 2, "htmlfile", "b.exe %1", 2, 2, "b.exe http://x/"},
        {"a command longer than the buffer counts as missing", 31, "htmlfile", std::string(300, 'b') + " %1", 33,
         31, nullptr},
    };
    for (const Case& c : cases) {
        FakeShell shell;
        FakeRegistry registry;
        shell.openResult = c.shellResult;
        shell.runResult = c.runResult;
        if (c.htmClass) registry.WriteString(RegistryRoot::ClassesRoot, ".htm", "", c.htmClass);
        if (!c.command.empty())
            registry.WriteString(RegistryRoot::ClassesRoot, "htmlfile\\shell\\open\\command", "", c.command);
        EXPECT_EQ(controls::OpenLinkTarget("http://x/", 5), c.expected) << c.name;
        ASSERT_EQ(shell.opened.size(), 1u) << c.name;
        EXPECT_EQ(shell.opened[0], std::make_pair(std::string("http://x/"), 5)) << c.name;
        std::vector<std::pair<std::string, int>> ran;
        if (c.ran) ran.emplace_back(c.ran, 5);
        EXPECT_EQ(shell.run, ran) << c.name;
        if (c.shellResult > 32) {
            EXPECT_TRUE(registry.reads.empty()) << c.name;
        }
    }
}

// The icon button's placement and state arithmetic.
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

// The theme state (first rule that holds: disabled, pressed, hot, default),
// the colour pair and the flat edge (only for a flat button that draws it).
TEST(IconButtonStates, StatesMapToThemeColoursAndEdge) {
    using C = controls::ButtonColours;
    using E = controls::FlatEdge;
    // The state's flags: hot, pressed, focused, disabled, default.
    struct Case { const char* name; ButtonPaintState s; int theme; C colours; E edge; } const cases[] = {
        {"plain", {}, 1, C::Normal, E::None},
        {"focused default", {false, false, true, false, true}, 5, C::Focused, E::None},
        {"hot default, focused", {true, false, true, false, true}, 2, C::Hot, E::Raised},
        {"pressed, not hot", {false, true, false, false, false}, 3, C::Hot, E::Sunken},
        {"disabled wins over pressed and default", {true, true, true, true, true}, 4, C::Hot, E::Sunken},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(controls::ThemeStateFor(c.s), c.theme) << c.name;
        EXPECT_EQ(controls::ColoursFor(c.s), c.colours) << c.name;
        EXPECT_EQ(controls::EdgeFor(true, true, c.s), c.edge) << c.name;
        EXPECT_EQ(controls::EdgeFor(false, true, c.s), E::None) << c.name;
        EXPECT_EQ(controls::EdgeFor(true, false, c.s), E::None) << c.name;
    }
}

TEST(IconButtonStyles, OwnerDrawnKeepsOtherBitsAndRemembersTheDefault) {
    struct Case { const char* name; unsigned style; unsigned made; bool isDefault; } const cases[] = {
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
    struct Case { bool held, hot, over; HoverStep step; } const cases[] = {
        {false, false, true, HoverStep::Enter},  {false, true, true, HoverStep::Nothing},
        {true, false, true, HoverStep::Nothing}, {true, true, true, HoverStep::Nothing},
        {false, true, false, HoverStep::Leave},  {true, true, false, HoverStep::Leave},
        {false, false, false, HoverStep::Leave}, {true, false, false, HoverStep::Nothing},
    };
    for (const Case& c : cases)
        EXPECT_EQ(controls::HoverStepFor(c.held, c.hot, c.over), c.step)
            << "held " << c.held << " hot " << c.hot << " over " << c.over;
}

// The size meter's arithmetic: strip width, marks, bar runs and labels, and
// the background copies that build the strip.
constexpr int kGreen = controls::kPartGreen;
constexpr int kYellow = controls::kPartYellow;
constexpr int kRed = controls::kPartRed;

struct BarCase {
    const char* name;
    int width, yellow, red, size;
    MeterMarks marks;
    std::vector<MeterRun> runs;
    std::vector<MeterLabel> labels;
};

TEST(SizeMeterBar, RunsAndLabelsFollowTheMarks) {
    const BarCase cases[] = {
        {"below yellow: green only", 515, 4482, 8106, 3000, {267, -1, 183},
         {{kGreen, 15, 183}}, {{0, 8, 37}, {3000, 185, 20}}},
        {"between the limits", 515, 4482, 8106, 6000, {267, -1, 352},
         {{kGreen, 15, 267}, {kYellow, 267, 352}}, {{4482, 247, 37}, {0, 8, 37}, {6000, 354, 20}}},
        {"over red: the scale stands for the size", 515, 4482, 8106, 9000, {242, 425, 470},
         {{kGreen, 15, 242}, {kYellow, 242, 425}, {kRed, 425, 470}},
         {{4482, 222, 2}, {8106, 405, 37}, {0, 8, 37}, {9000, 472, 20}}},
        {"one MB over red: no red column, labels as over red", 515, 4482, 8106, 8107, {267, 470, 470},
         {{kGreen, 15, 267}, {kYellow, 267, 470}}, {{4482, 247, 2}, {8106, 450, 37}, {0, 8, 37}, {8107, 472, 20}}},
        {"exactly the red limit: full length, no red mark", 515, 4482, 8106, 8106, {267, -1, 470},
         {{kGreen, 15, 267}, {kYellow, 267, 470}}, {{4482, 247, 37}, {0, 8, 37}, {8106, 472, 20}}},
        {"exactly the yellow limit: E = A, the yellow run is empty", 515, 4482, 8106, 4482, {267, -1, 267},
         {{kGreen, 15, 267}}, {{4482, 247, 37}, {0, 8, 37}, {4482, 269, 20}}},
        {"one MB: rounds to no column", 515, 4482, 8106, 1, {267, -1, 15}, {}, {{0, 8, 37}, {1, 17, 20}}},
        {"limits of 0: every size is over red", 515, 0, 0, 10, {15, 15, 470},
         {{kRed, 15, 470}}, {{0, -5, 2}, {0, -5, 37}, {0, 8, 37}, {10, 472, 20}}},
        {"CD limits, a half-point rounds up", 515, 650, 700, 600, {438, -1, 405}, {{kGreen, 15, 405}},
         {{0, 8, 37}, {600, 407, 20}}},
    };
    for (const BarCase& c : cases) {
        EXPECT_EQ(controls::MeterMarksFor(c.width, c.yellow, c.red, c.size), c.marks) << c.name;
        const controls::MeterBar bar = MeterBarFor(c.width, c.yellow, c.red, c.size);
        EXPECT_EQ(bar.runs, c.runs) << c.name;
        EXPECT_EQ(bar.labels, c.labels) << c.name;
    }
}

TEST(SizeMeterBar, NothingWithoutASize) {
    for (int size : {0, -1}) {
        const controls::MeterBar bar = MeterBarFor(515, 4482, 8106, size);
        EXPECT_TRUE(bar.runs.empty()) << size;
        EXPECT_TRUE(bar.labels.empty()) << size;
    }
}

TEST(SizeMeterStrip, WidthMirrorsTheControlsGapToTheOwner) {
    struct Case {
        int ownerLeft, ownerRight, controlLeft, width;
    } const cases[] = {{100, 640, 112, 516}, {0, 533, 9, 515}, {-50, 490, -38, 516}};
    for (const Case& c : cases)
        EXPECT_EQ(controls::MeterStripWidth(c.ownerLeft, c.ownerRight, c.controlLeft), c.width) << c.controlLeft;
}

// Frame, empty space, the scale's 20-column tiles from x 15, frame: the last
// copy to reach a column decides what it shows.
TEST(SizeMeterStrip, BackgroundCoversEveryColumn) {
    // shown: strip x, part x
    const struct { int width; std::vector<std::pair<int, int>> shown; } cases[] = {
        {40, {{0, 0}, {1, 1}, {2, 27}, {14, 27}, {15, 5}, {34, 24}, {35, 5}, {37, 7}, {38, 25}, {39, 26}}},
        {516, {{15, 5}, {513, 23}, {514, 25}, {515, 26}}},
    };
    for (const auto& c : cases) {
        std::vector<int> shown(size_t(c.width), -1);
        for (const controls::MeterCopy& copy : controls::MeterBackground(c.width))
            for (int i = 0; i < copy.width && copy.stripX + i < c.width; ++i)
                shown[size_t(copy.stripX + i)] = copy.partX + i;
        EXPECT_EQ(std::count(shown.begin(), shown.end(), -1), 0) << c.width;
        for (const auto& [x, part] : c.shown) EXPECT_EQ(shown[size_t(x)], part) << c.width << " x " << x;
    }
    EXPECT_EQ(controls::MeterLabelText(4482) + controls::MeterLabelText(-3), "4482MB-3MB");
}

// Theme access through a stand-in of UxTheme.dll: each present entry point is
// called with the caller's arguments, each missing one (or a missing library)
// gives its substitute; and the themed button picks its look from it.
struct Calls { std::string log; int themed = 1; };
Calls g_calls;

void* BB_SYSTEM_API FakeOpen(void*, const wchar_t* classes) {
    g_calls.log += std::wstring(classes) == L"BUTTON" ? "open(BUTTON) " : "open(?) ";
    return reinterpret_cast<void*>(0x7E);
}
int32_t BB_SYSTEM_API FakeClose(void* theme) {
    g_calls.log += theme == reinterpret_cast<void*>(0x7E) ? "close " : "close(?) ";
    return 0;
}
int32_t BB_SYSTEM_API FakeParent(void*, void*, const controls::ThemeRect*) {
    g_calls.log += "parent ";
    return 0;
}
int32_t BB_SYSTEM_API FakeDraw(void*, void*, int part, int state, const controls::ThemeRect* rect,
                                const controls::ThemeRect* clip) {
    g_calls.log += "draw(" + std::to_string(part) + "," + std::to_string(state) + "," +
                   std::to_string(rect ? rect->right : -1) + (clip ? ",clip" : "") + ") ";
    return 0;
}
int BB_SYSTEM_API FakeIsAppThemed() { return g_calls.themed; }

class FakeUxTheme final : public platform::Module {
public:
    explicit FakeUxTheme(std::map<std::string, void*> symbols) : m_symbols(std::move(symbols)) {}
    void* Symbol(const char* name) const override {
        const auto found = m_symbols.find(name);
        return found == m_symbols.end() ? nullptr : found->second;
    }

private:
    std::map<std::string, void*> m_symbols;
};

std::map<std::string, void*> AllEntryPoints() {
    return {{"OpenThemeData", reinterpret_cast<void*>(&FakeOpen)},
            {"CloseThemeData", reinterpret_cast<void*>(&FakeClose)},
            {"DrawThemeParentBackground", reinterpret_cast<void*>(&FakeParent)},
            {"DrawThemeBackground", reinterpret_cast<void*>(&FakeDraw)},
            {"IsAppThemed", reinterpret_cast<void*>(&FakeIsAppThemed)}};
}

class ThemeLibTest : public ::testing::Test {
protected:
    void SetUp() override { g_calls = Calls{}; }
};

TEST_F(ThemeLibTest, EachMissingEntryPointGivesItsSubstitute) {
    const controls::ThemeRect rect{0, 0, 54, 16};
    struct Case {
        const char* missing;
        const char* log;     // what reached the library
        bool opened;         // OpenThemeData gave a handle
        int32_t closeResult;
        int32_t drawResult;
        bool themed;
    } const cases[] = {
        {"", "open(BUTTON) close parent draw(1,2,54,clip) ", true, 0, 0, true},
        {"OpenThemeData", "close parent draw(1,2,54,clip) ", false, 0, 0, true},
        {"CloseThemeData", "open(BUTTON) parent draw(1,2,54,clip) ", true, controls::kThemeFail, 0, true},
        {"DrawThemeParentBackground", "open(BUTTON) close draw(1,2,54,clip) ", true, 0, 0, true},
        {"DrawThemeBackground", "open(BUTTON) close parent ", true, 0, controls::kThemeFail, true},
        {"IsAppThemed", "open(BUTTON) close parent draw(1,2,54,clip) ", true, 0, 0, false},
        {"*", "", false, controls::kThemeFail, controls::kThemeFail, false},  // no library at all
    };
    for (const Case& c : cases) {
        g_calls = Calls{};
        std::map<std::string, void*> symbols = AllEntryPoints();
        symbols.erase(c.missing);
        ThemeLib theme(*c.missing == '*' ? nullptr : std::make_unique<FakeUxTheme>(symbols));
        void* handle = theme.OpenThemeData(reinterpret_cast<void*>(0x10), L"BUTTON");
        EXPECT_EQ(handle != nullptr, c.opened) << c.missing;
        EXPECT_EQ(theme.CloseThemeData(reinterpret_cast<void*>(0x7E)), c.closeResult) << c.missing;
        EXPECT_EQ(theme.DrawBackground(handle, reinterpret_cast<void*>(0x10), nullptr, 1, 2, &rect, &rect),
                  c.drawResult)
            << c.missing;
        EXPECT_EQ(theme.IsAppThemed(), c.themed) << c.missing;
        EXPECT_EQ(g_calls.log, c.log) << c.missing;
    }
}

// The themed button: flat edges only without an active theme, and its
// background painted through the theme with the state of the paint (a
// button without a window: no parent background).
TEST_F(ThemeLibTest, ThemedButtonChoosesItsLookFromTheTheme) {
    ThemeLib present(std::make_unique<FakeUxTheme>(AllEntryPoints()));
    ThemeLib absent(nullptr);
    struct Case { const char* name; ThemeLib* theme; int themed; int result; int drawFlatEdge; } const cases[] = {
        {"active theme", &present, 1, 1, 0},
        {"styles switched off for the program", &present, 0, 0, 1},
        {"no library", &absent, 1, 0, 1},
        {"no theme given", nullptr, 1, 0, 1},
    };
    for (const Case& c : cases) {
        g_calls = Calls{};
        g_calls.themed = c.themed;
        CThemedIconButton button;
        EXPECT_EQ(button.m_bDrawFlatEdge, 0) << c.name;
        EXPECT_EQ(button.SetTheme(c.theme), c.result) << c.name;
        EXPECT_EQ(button.m_bDrawFlatEdge, c.drawFlatEdge) << c.name;
    }

    g_calls = Calls{};
    CThemedIconButton button;
    (void)button.SetTheme(&present);
    button.m_bDisabled = 1;
    button.m_bIsDefault = 1;
    button.PaintBackground(nullptr, {0, 0, 54, 16});
    EXPECT_EQ(g_calls.log, "open(BUTTON) draw(1,4,54) close ") << "a disabled default button";
    button.m_bDisabled = 0;
    button.m_bPressed = 1;
    button.m_bHot = 1;
    g_calls.log.clear();
    button.PaintBackground(nullptr, {0, 0, 54, 16});
    EXPECT_EQ(g_calls.log, "open(BUTTON) draw(1,3,54) close ") << "pressed under the mouse";
    // Styles switched off after SetTheme: the classic look, no theme data.
    g_calls.themed = 0;
    g_calls.log.clear();
    button.PaintBackground(nullptr, {0, 0, 54, 16});
    EXPECT_EQ(g_calls.log, "");
}

}  // namespace
}  // namespace bb::controls
