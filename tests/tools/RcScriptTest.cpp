// The resource script parser of rc2template: what each control statement
// becomes, the statements it must refuse rather than drop, and the real script.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <sstream>
#include <string>

#include "tools/rc2template/RcScript.h"

namespace bb::tools {
namespace {

using rc2template::ParseRcScript;
using rc2template::RcControl;
using rc2template::RcError;

// One control line inside a dialog.
std::string Dialog(const std::string& controlLine) {
    return "IDD_X DIALOGEX 0, 0, 100, 50\nFONT 8, \"MS Sans Serif\"\nBEGIN\n    " + controlLine + "\nEND\n";
}

RcControl OnlyControl(const std::string& controlLine) {
    const auto script = ParseRcScript(Dialog(controlLine));
    if (script.dialogs.size() != 1 || script.dialogs[0].controls.size() != 1)
        throw std::runtime_error("not one control");
    return script.dialogs[0].controls[0];
}

TEST(RcScript, ControlStatementsGiveKindCaptionStateAndRectangle) {
    struct Case {
        const char* line;
        const char* kind;
        const char* caption;
        bool disabled, group;
        int x, y, cx, cy;
    } cases[] = {
        {R"(CONTROL "Recorder",IDC_A,"Button",BS_GROUPBOX,7,3,303,64)", "GroupBox", "Recorder", false, false, 7, 3, 303, 64},
        {R"(CONTROL "&DVD",IDC_A,"Button",BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP,223,15,27,10)", "RadioButton", "&DVD", false, true, 223, 15, 27, 10},
        {R"(CONTROL "V",IDC_A,"Button",BS_AUTOCHECKBOX | WS_TABSTOP,72,56,132,9)", "CheckBox", "V", false, false, 72, 56, 132, 9},
        {R"(CONTROL "Bur&n",IDC_A,"Button",BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED,73,185,54,16)", "PushButton", "Bur&n", true, false, 73, 185, 54, 16},
        {R"(CONTROL "",IDC_A,"ComboBox",CBS_DROPDOWNLIST | WS_VSCROLL,61,31,82,62)", "DropDownList", "", false, false, 61, 31, 82, 62},
        {R"(CONTROL "",IDC_A,"Edit",ES_AUTOHSCROLL | WS_BORDER,72,110,170,13)", "Edit", "", false, false, 72, 110, 170, 13},
        {R"(CONTROL "",IDC_A,"Edit",ES_AUTOHSCROLL | ES_READONLY | WS_DISABLED,0,314,318,12)", "ReadOnlyEdit", "", true, false, 0, 314, 318, 12},
        {R"(CONTROL "",IDC_A,"Edit",ES_MULTILINE | ES_READONLY | WS_VSCROLL,15,236,256,55)", "LogEdit", "", false, false, 15, 236, 256, 55},
        {R"(CONTROL "",IDC_A,"msctls_progress32",WS_BORDER,14,216,266,8)", "ProgressBar", "", false, false, 14, 216, 266, 8},
        {R"(CONTROL "#5010",IDC_A,"Static",SS_BITMAP,15,152,19,31)", "BitmapStatic", "#5010", false, false, 15, 152, 19, 31},
        {R"(CONTROL "Log:" , IDC_A , "Static" , SS_LEFT , 15 , 227 , 29 , 8)", "Label", "Log:", false, false, 15, 227, 29, 8},
        // The short statements bring their own default styles.
        {R"(LTEXT "Devices:",IDC_A,15,15,46,10)", "Label", "Devices:", false, true, 15, 15, 46, 10},
        {R"(LTEXT "a, ""b""",IDC_A,1,2,3,4,SS_LEFT | NOT WS_GROUP)", "Label", "a, \"b\"", false, false, 1, 2, 3, 4},
        {R"(CTEXT "Stand by",IDC_A,7,24,172,12)", "Label", "Stand by", false, true, 7, 24, 172, 12},
        {R"(PUSHBUTTON "&Quit",IDC_A,170,296,54,16,WS_DISABLED)", "PushButton", "&Quit", true, false, 170, 296, 54, 16},
        {R"(DEFPUSHBUTTON "OK",IDC_A,1,2,3,4)", "PushButton", "OK", false, false, 1, 2, 3, 4},
        {R"(GROUPBOX "G",IDC_A,1,2,3,4)", "GroupBox", "G", false, false, 1, 2, 3, 4},
        {R"(AUTOCHECKBOX "C",IDC_A,1,2,3,4)", "CheckBox", "C", false, false, 1, 2, 3, 4},
        {R"(AUTORADIOBUTTON "R",IDC_A,1,2,3,4,WS_GROUP)", "RadioButton", "R", false, true, 1, 2, 3, 4},
        {R"(EDITTEXT IDC_A,1,2,3,4,ES_READONLY)", "ReadOnlyEdit", "", false, false, 1, 2, 3, 4},
        {R"(COMBOBOX IDC_A,1,2,3,40,CBS_DROPDOWNLIST | WS_VSCROLL)", "DropDownList", "", false, false, 1, 2, 3, 40},
    };
    for (const Case& c : cases) {
        const RcControl got = OnlyControl(c.line);
        EXPECT_EQ(got.id, "IDC_A") << c.line;
        EXPECT_EQ(got.kind, c.kind) << c.line;
        EXPECT_EQ(got.caption, c.caption) << c.line;
        EXPECT_EQ((std::array{got.Has("WS_DISABLED"), got.Has("WS_GROUP")}), (std::array{c.disabled, c.group})) << c.line;
        EXPECT_EQ((std::array{got.x, got.y, got.cx, got.cy}), (std::array{c.x, c.y, c.cx, c.cy})) << c.line;
    }
}

// A statement the tool does not know must stop the build: skipping it would
// leave a control of the window out of the headless model.
TEST(RcScript, RefusesWhatItCannotRepresent) {
    struct Case {
        std::string script;
        const char* message;
    } cases[] = {
        {Dialog(R"(ICON "x",IDC_A,1,2,3,4)"), "line 4: unknown dialog statement ICON"},
        {Dialog(R"(CONTROL "",IDC_A,"SysListView32",0,1,2,3,4)"), "line 4: window class \"SysListView32\""},
        {Dialog(R"(CONTROL "",IDC_A,"ComboBox",CBS_DROPDOWN,1,2,3,4)"), "line 4: only drop-down list"},
        {Dialog(R"(CONTROL "",IDC_A,"Edit",ES_MULTILINE,1,2,3,4)"), "line 4: a multi-line edit must be read-only"},
        {Dialog(R"(CONTROL "",IDC_A,"Button",BS_OWNERDRAW,1,2,3,4)"), "line 4: button style BS_OWNERDRAW"},
        {Dialog(R"(CONTROL "",IDC_A,"Static",SS_ICON,1,2,3,4)"), "line 4: icon statics"},
        {Dialog(R"(LTEXT "x",IDC_A,1,2,3)"), "line 4: LTEXT lacks its height"},
        {Dialog(R"(LTEXT "x",IDC_A,1,2,3,4,SS_LEFT,0,9)"), "line 4: too many arguments"},
        {Dialog(R"(LTEXT "x",IDC_A,1,2,3,4px)"), "line 4: the height must be a number, not 4px"},
        {Dialog(R"(LTEXT "x,IDC_A,1,2,3,4)"), "line 4: unterminated string"},
        {Dialog(R"(LTEXT "x",IDC_A,1,2,3,4,SS_LEFT | | WS_GROUP)"), "line 4: bad style expression near '|'"},
        {Dialog(R"(LTEXT "x",IDC_A,1,2,3,4,SS_LEFT WS_GROUP)"), "line 4: bad style expression near 'WS_GROUP'"},
        {"IDD_X DIALOGEX 0, 0, 100, 50\nTHEME x\nBEGIN\nEND\n", "line 2: unknown dialog option THEME"},
        {"IDD_X DIALOGEX 0, 0, 100, 50\nBEGIN\n", "unexpected end of script"},
        {"IDR_M MENU\nBEGIN\nPOPUP \"A\"\nBEGIN\nEND\nPOPUP \"B\"\nBEGIN\nEND\nEND\n",
         "line 6: the menu bar must hold one POPUP"},
        {"IDR_M MENU\nBEGIN\nPOPUP \"A\"\nBEGIN\nPOPUP \"B\"\nEND\nEND\n", "line 5: MENUITEM expected"},
    };
    for (const Case& c : cases) {
        try {
            ParseRcScript(c.script);
            ADD_FAILURE() << "accepted: " << c.script;
        } catch (const RcError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

// Every line between BEGIN and END of each dialog in the program's own
// script is a control the parser returns, in the script's order.
TEST(RcScript, TheProgramScriptLosesNoControlLine) {
    std::ifstream in(std::string(BB_SOURCE_DIR) + "/res/BrenvikBurn.rc");
    std::stringstream text;
    text << in.rdbuf();
    const auto script = ParseRcScript(text.str());

    std::istringstream lines(text.str());
    std::string dialog;
    bool inBody = false;
    size_t index = 0;
    int dialogsSeen = 0;
    for (std::string l; std::getline(lines, l);) {
        std::istringstream words(l);
        std::string first, second;
        words >> first >> second;
        if (second == "DIALOGEX") {
            dialog = first;
            index = 0;
            ++dialogsSeen;
        } else if (!dialog.empty() && first == "BEGIN") {
            inBody = true;
        } else if (inBody && first == "END") {
            const auto& d = script.dialogs.at(size_t(dialogsSeen - 1));
            EXPECT_EQ(d.id, dialog);
            EXPECT_EQ(d.controls.size(), index) << dialog;
            inBody = false;
            dialog.clear();
        } else if (inBody && !first.empty()) {
            // The id is the word after the caption or the statement's keyword.
            const auto& d = script.dialogs.at(size_t(dialogsSeen - 1));
            ASSERT_LT(index, d.controls.size()) << l;
            EXPECT_NE(l.find("," + d.controls[index].id + ","), std::string::npos) << l;
            ++index;
        }
    }
    EXPECT_EQ(script.dialogs.size(), size_t(dialogsSeen));
    EXPECT_GE(dialogsSeen, 2);
}

}  // namespace
}  // namespace bb::tools
