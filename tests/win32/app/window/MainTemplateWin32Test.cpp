// Template IDD_MAIN as Windows builds it: the resource script compiled into
// this test, made into a real dialog, read back control by control and held
// to the template table. Also the menu and the images the window loads.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "res/MainDialogTemplate.h"
#include "res/resource.h"

namespace bb::app {
namespace {

using res::ControlKind;

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

class MainTemplate : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&icc);
        m_dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr,
                                     QuietDialogProc, 0);
        ASSERT_NE(m_dialog, nullptr) << "error " << GetLastError();
    }
    void TearDown() override {
        if (m_dialog) DestroyWindow(m_dialog);
    }

    HWND m_dialog = nullptr;
};

// What each kind of the template table is made of on Windows: its window
// class and the style bits under `mask` that make it that kind.
struct KindOnWindows {
    const char* windowClass;
    LONG mask, bits;
};
KindOnWindows OnWindows(ControlKind kind) {
    constexpr LONG kEditKind = ES_MULTILINE | ES_READONLY;
    switch (kind) {
    case ControlKind::GroupBox: return {"Button", BS_TYPEMASK, BS_GROUPBOX};
    case ControlKind::RadioButton: return {"Button", BS_TYPEMASK, BS_AUTORADIOBUTTON};
    case ControlKind::CheckBox: return {"Button", BS_TYPEMASK, BS_AUTOCHECKBOX};
    case ControlKind::PushButton: return {"Button", BS_TYPEMASK & ~BS_DEFPUSHBUTTON, BS_PUSHBUTTON};
    case ControlKind::Label: return {"Static", SS_TYPEMASK, SS_LEFT};
    case ControlKind::BitmapStatic: return {"Static", SS_TYPEMASK, SS_BITMAP};
    // A combo box hands WS_VSCROLL on to its list and drops it itself.
    case ControlKind::DropDownList: return {"ComboBox", 3, CBS_DROPDOWNLIST};
    case ControlKind::Edit: return {"Edit", kEditKind, 0};
    case ControlKind::ReadOnlyEdit: return {"Edit", kEditKind, ES_READONLY};
    case ControlKind::LogEdit: return {"Edit", kEditKind | WS_VSCROLL, kEditKind | WS_VSCROLL};
    case ControlKind::ProgressBar: return {PROGRESS_CLASSA, 0, 0};
    }
    return {"?", 0, 0};
}

// Where each control sits is checked on the running window
// (MainWindowWin32Test), once the window has set itself up.
TEST_F(MainTemplate, FrameControlsAndStylesAreTheTables) {
    const LONG style = GetWindowLongA(m_dialog, GWL_STYLE);
    for (LONG bit : {LONG(WS_CAPTION), LONG(WS_SYSMENU), LONG(WS_MINIMIZEBOX), LONG(WS_VISIBLE), LONG(DS_MODALFRAME)})
        EXPECT_EQ(style & bit, bit) << std::hex << bit;
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
    const LONG exStyle = GetWindowLongA(m_dialog, GWL_EXSTYLE);
    EXPECT_EQ(exStyle & (WS_EX_APPWINDOW | WS_EX_ACCEPTFILES), WS_EX_APPWINDOW | WS_EX_ACCEPTFILES);
    RECT client, expected = {0, 0, res::MainDialog().cx, res::MainDialog().cy};
    GetClientRect(m_dialog, &client);
    MapDialogRect(m_dialog, &expected);
    EXPECT_EQ(client.right, expected.right);
    EXPECT_EQ(client.bottom, expected.bottom);

    for (const res::ControlTemplate& c : res::MainDialog().controls) {
        // IDC_STATIC finds the one unnamed label ("Log:").
        HWND item = GetDlgItem(m_dialog, c.id);
        ASSERT_NE(item, nullptr) << c.idName;
        char text[128] = {};
        GetClassNameA(item, text, sizeof text);
        const KindOnWindows made = OnWindows(c.kind);
        EXPECT_STRCASEEQ(text, made.windowClass) << c.idName;
        const LONG itemStyle = GetWindowLongA(item, GWL_STYLE);
        EXPECT_EQ(itemStyle & made.mask, made.bits) << c.idName;
        EXPECT_EQ((itemStyle & WS_DISABLED) != 0, c.disabled) << c.idName;
        EXPECT_EQ((itemStyle & WS_GROUP) != 0, c.group) << c.idName;
        if (c.kind == ControlKind::GroupBox || c.kind == ControlKind::Label || c.kind == ControlKind::RadioButton ||
            c.kind == ControlKind::CheckBox || c.kind == ControlKind::PushButton) {
            GetWindowTextA(item, text, sizeof text);
            EXPECT_STREQ(text, c.caption) << c.idName;
        }
    }
}

TEST_F(MainTemplate, MenuHoldsTheSettingsCommands) {
    HMENU bar = GetMenu(m_dialog);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 1);
    char text[64] = {};
    GetMenuStringA(bar, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, res::MainMenu().popupCaption);
    HMENU popup = GetSubMenu(bar, 0);
    ASSERT_NE(popup, nullptr);
    const auto& items = res::MainMenu().items;
    ASSERT_EQ(GetMenuItemCount(popup), int(items.size()));
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].command == 0) {
            EXPECT_EQ(GetMenuState(popup, UINT(i), MF_BYPOSITION) & MF_SEPARATOR, UINT(MF_SEPARATOR));
            continue;
        }
        EXPECT_EQ(GetMenuItemID(popup, int(i)), UINT(items[i].command));
        GetMenuStringA(popup, UINT(i), text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, items[i].caption);
    }
}

TEST(MainResources, IconsCursorBitmapManifestAndVersion) {
    HINSTANCE self = GetModuleHandleA(nullptr);
    for (int id : {IDI_MAIN, IDI_DIRECTORY, IDI_BURN, IDI_QUIT, IDI_ABORT, IDI_HELP_BUTTON, IDI_ABOUT, IDI_SAVE_LOG,
                   IDI_ERASE, IDI_REFRESH, IDI_CLEAR_LOG, IDI_EJECT})
        EXPECT_NE(LoadImageA(self, MAKEINTRESOURCEA(id), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE), nullptr) << id;

    HCURSOR hand = LoadCursorA(self, MAKEINTRESOURCEA(IDCUR_HAND));
    ASSERT_NE(hand, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(hand, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 5u);
    EXPECT_EQ(info.yHotspot, 0u);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);

    HBITMAP strip = static_cast<HBITMAP>(
        LoadImageA(self, MAKEINTRESOURCEA(IDB_SIZE_METER), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(strip, nullptr);
    DIBSECTION dib = {};
    ASSERT_EQ(GetObjectA(strip, sizeof dib, &dib), int(sizeof dib));
    EXPECT_EQ(dib.dsBm.bmWidth, 28);
    EXPECT_EQ(dib.dsBm.bmHeight, 50);
    EXPECT_EQ(dib.dsBm.bmBitsPixel, 8);
    DeleteObject(strip);

    EXPECT_NE(FindResourceA(self, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)), nullptr) << "manifest";

    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(exe, &ignored);
    ASSERT_GT(size, 0u);
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(exe, 0, size, block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT len = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &len));
    EXPECT_EQ(fixed->dwFileVersionMS, (1u << 16) | 2u);
    EXPECT_EQ(fixed->dwFileVersionLS, 1u << 16);
}

}  // namespace
}  // namespace bb::app
