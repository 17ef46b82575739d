// Access to the visual-styles library (UxTheme.dll), bound at run time so the
// program starts where it does not exist. Every operation looks its entry
// point up by name at each call; when the library is not loaded or lacks the
// entry point, a harmless substitute result applies. Each dialog with icon
// buttons owns one; the library stays loaded for the dialog's lifetime.
//
// Handles are the system's (HTHEME, HWND, HDC), carried as void*.
#pragma once

#include <cstdint>
#include <memory>

namespace bb::platform {
class Module;
}

namespace bb::controls {

// The system's RECT: four 32-bit signed edges.
struct ThemeRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

inline constexpr int32_t kThemeFail = int32_t(0x80004005);  // E_FAIL
inline constexpr int kThemePartPushButton = 1;

// Opens UxTheme.dll by name (null when it cannot be loaded; no message).
std::unique_ptr<platform::Module> OpenThemeModule();

}  // namespace bb::controls

namespace bb::controls {

class ThemeLib {
public:
    ThemeLib();
    // Uses `module` instead of the system's library (null: no library).
    explicit ThemeLib(std::unique_ptr<platform::Module> module);
    ~ThemeLib();
    ThemeLib(const ThemeLib&) = delete;
    ThemeLib& operator=(const ThemeLib&) = delete;

    // "OpenThemeData": a theme handle for the window and the class list, or null.
    [[nodiscard]] void* OpenThemeData(void* window, const wchar_t* classList) const;
    // "CloseThemeData": its status, E_FAIL without the entry point.
    int32_t CloseThemeData(void* theme) const;
    // "DrawThemeParentBackground" (when present and `window` is not null),
    // then "DrawThemeBackground"; the status of the second, E_FAIL without it.
    int32_t DrawBackground(void* theme, void* window, void* dc, int part, int state, const controls::ThemeRect* rect,
                           const controls::ThemeRect* clip) const;
    // "IsAppThemed": whether visual styles are active for the program.
    [[nodiscard]] bool IsAppThemed() const;

    [[nodiscard]] bool IsLoaded() const { return m_hUxTheme != nullptr; }

private:
    [[nodiscard]] void* EntryPoint(const char* name) const;

    std::unique_ptr<platform::Module> m_hUxTheme;
};

}  // namespace bb::controls
