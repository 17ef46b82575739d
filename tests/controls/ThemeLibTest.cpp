// Theme access through a stand-in of UxTheme.dll: each present entry point is
// called with the caller's arguments, each missing one (or a missing library)
// gives its substitute; and the themed button picks its look from it.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "controls/ThemeLib.h"
#include "controls/ThemedIconButton.h"
#include "platform/ModuleLoader.h"

#if defined(_WIN32) && !defined(_WIN64)
#define FAKE_API __stdcall
#else
#define FAKE_API
#endif

namespace bb::controls {

namespace {

struct Calls {
    std::string log;
    int themed = 1;
    void* lastWindow = nullptr;
    int lastState = 0;
};
Calls g_calls;

void* FAKE_API FakeOpen(void* window, const wchar_t* classes) {
    g_calls.log += std::wstring(classes) == L"BUTTON" ? "open(BUTTON) " : "open(?) ";
    g_calls.lastWindow = window;
    return reinterpret_cast<void*>(0x7E);
}
int32_t FAKE_API FakeClose(void* theme) {
    g_calls.log += theme == reinterpret_cast<void*>(0x7E) ? "close " : "close(?) ";
    return 0;
}
int32_t FAKE_API FakeParent(void*, void*, const controls::ThemeRect*) {
    g_calls.log += "parent ";
    return 0;
}
int32_t FAKE_API FakeDraw(void*, void*, int part, int state, const controls::ThemeRect* rect,
                          const controls::ThemeRect* clip) {
    g_calls.log += "draw(" + std::to_string(part) + "," + std::to_string(state) + "," +
                   std::to_string(rect ? rect->right : -1) + (clip ? ",clip" : "") + ") ";
    g_calls.lastState = state;
    return 0;
}
int FAKE_API FakeIsAppThemed() {
    return g_calls.themed;
}

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
        {"", "open(BUTTON) close parent draw(1,2,54) ", true, 0, 0, true},
        {"OpenThemeData", "close parent draw(1,2,54) ", false, 0, 0, true},
        {"CloseThemeData", "open(BUTTON) parent draw(1,2,54) ", true, controls::kThemeFail, 0, true},
        {"DrawThemeParentBackground", "open(BUTTON) close draw(1,2,54) ", true, 0, 0, true},
        {"DrawThemeBackground", "open(BUTTON) close parent ", true, 0, controls::kThemeFail, true},
        {"IsAppThemed", "open(BUTTON) close parent draw(1,2,54) ", true, 0, 0, false},
    };
    for (const Case& c : cases) {
        g_calls = Calls{};
        std::map<std::string, void*> symbols = AllEntryPoints();
        symbols.erase(c.missing);
        ThemeLib theme(std::make_unique<FakeUxTheme>(symbols));
        void* handle = theme.OpenThemeData(reinterpret_cast<void*>(0x10), L"BUTTON");
        EXPECT_EQ(handle != nullptr, c.opened) << c.missing;
        EXPECT_EQ(theme.CloseThemeData(reinterpret_cast<void*>(0x7E)), c.closeResult) << c.missing;
        EXPECT_EQ(theme.DrawBackground(handle, reinterpret_cast<void*>(0x10), nullptr, 1, 2, &rect, nullptr),
                  c.drawResult)
            << c.missing;
        EXPECT_EQ(theme.IsAppThemed(), c.themed) << c.missing;
        EXPECT_EQ(g_calls.log, c.log) << c.missing;
    }
}

TEST_F(ThemeLibTest, WithoutTheLibraryEveryCallIsASubstitute) {
    ThemeLib theme(nullptr);
    const controls::ThemeRect rect{0, 0, 10, 10};
    EXPECT_FALSE(theme.IsLoaded());
    EXPECT_EQ(theme.OpenThemeData(nullptr, L"BUTTON"), nullptr);
    EXPECT_EQ(theme.CloseThemeData(nullptr), controls::kThemeFail);
    EXPECT_EQ(theme.DrawBackground(nullptr, nullptr, nullptr, 1, 1, &rect, nullptr), controls::kThemeFail);
    EXPECT_FALSE(theme.IsAppThemed());
}

TEST_F(ThemeLibTest, ParentBackgroundOnlyForAWindow) {
    ThemeLib theme(std::make_unique<FakeUxTheme>(AllEntryPoints()));
    const controls::ThemeRect rect{0, 0, 5, 5};
    (void)theme.DrawBackground(reinterpret_cast<void*>(0x7E), nullptr, nullptr, 1, 1, &rect, &rect);
    EXPECT_EQ(g_calls.log, "draw(1,1,5,clip) ");
}

// The themed button: flat edges only without an active theme, and its
// background painted through the theme with the state of the paint.
TEST_F(ThemeLibTest, ThemedButtonChoosesItsLookFromTheTheme) {
    ThemeLib present(std::make_unique<FakeUxTheme>(AllEntryPoints()));
    ThemeLib absent(nullptr);
    struct Case {
        const char* name;
        ThemeLib* theme;
        int themed;
        int result;
        int drawFlatEdge;
    } const cases[] = {
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
    EXPECT_EQ(g_calls.lastState, 3) << "pressed under the mouse";
    // Styles switched off after SetTheme: the classic look, no theme data.
    g_calls.themed = 0;
    g_calls.log.clear();
    button.PaintBackground(nullptr, {0, 0, 54, 16});
    EXPECT_EQ(g_calls.log, "");
}

}  // namespace

}  // namespace bb::controls
