#include "controls/ThemeLib.h"

#include "platform/ModuleLoader.h"
#include "platform/base/SystemCallingConvention.h"

namespace bb::controls {

namespace {

using OpenThemeDataFn = void*(BB_SYSTEM_API*)(void*, const wchar_t*);
using CloseThemeDataFn = int32_t(BB_SYSTEM_API*)(void*);
using DrawThemeParentBackgroundFn = int32_t(BB_SYSTEM_API*)(void*, void*, const controls::ThemeRect*);
using DrawThemeBackgroundFn = int32_t(BB_SYSTEM_API*)(void*, void*, int, int, const controls::ThemeRect*,
                                                     const controls::ThemeRect*);
using IsAppThemedFn = int(BB_SYSTEM_API*)();

}  // namespace

ThemeLib::ThemeLib() : m_hUxTheme(controls::OpenThemeModule()) {}

ThemeLib::ThemeLib(std::unique_ptr<platform::Module> module) : m_hUxTheme(std::move(module)) {}

ThemeLib::~ThemeLib() = default;

void* ThemeLib::EntryPoint(const char* name) const {
    return m_hUxTheme ? m_hUxTheme->Symbol(name) : nullptr;
}

void* ThemeLib::OpenThemeData(void* window, const wchar_t* classList) const {
    auto open = reinterpret_cast<OpenThemeDataFn>(EntryPoint("OpenThemeData"));
    return open ? open(window, classList) : nullptr;
}

int32_t ThemeLib::CloseThemeData(void* theme) const {
    auto close = reinterpret_cast<CloseThemeDataFn>(EntryPoint("CloseThemeData"));
    return close ? close(theme) : controls::kThemeFail;
}

int32_t ThemeLib::DrawBackground(void* theme, void* window, void* dc, int part, int state,
                                 const controls::ThemeRect* rect, const controls::ThemeRect* clip) const {
    auto parent = reinterpret_cast<DrawThemeParentBackgroundFn>(EntryPoint("DrawThemeParentBackground"));
    if (parent && window)
        parent(window, dc, rect);
    auto draw = reinterpret_cast<DrawThemeBackgroundFn>(EntryPoint("DrawThemeBackground"));
    return draw ? draw(theme, dc, part, state, rect, clip) : controls::kThemeFail;
}

bool ThemeLib::IsAppThemed() const {
    auto themed = reinterpret_cast<IsAppThemedFn>(EntryPoint("IsAppThemed"));
    return themed ? themed() != 0 : false;
}

}  // namespace bb::controls
