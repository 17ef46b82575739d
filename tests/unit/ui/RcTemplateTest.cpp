// The resource script and the template table describe the same main window:
// every control line of IDD_MAIN in BrenvikBurn.rc matches its table row, in
// order, and so do the dialog's header and its menu.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "res/MainDialogTemplate.h"
#include "res/resource.h"

namespace {

using bbres::ControlKind;

std::vector<std::string> RcLines() {
    std::ifstream in(std::string(BB_SOURCE_DIR) + "/res/BrenvikBurn.rc");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// A resource statement: its lines up to BEGIN, and the trimmed lines of
// its body without the BEGIN and END lines of it and its nested blocks.
struct Block {
    std::vector<std::string> header;
    std::vector<std::string> body;
};

Block FindBlock(const std::vector<std::string>& lines, const std::string& header) {
    Block block;
    size_t i = 0;
    while (i < lines.size() && lines[i].rfind(header, 0) != 0)
        ++i;
    for (; i < lines.size() && lines[i] != "BEGIN"; ++i)
        block.header.push_back(lines[i]);
    int depth = 0;
    for (; i < lines.size(); ++i) {
        const std::string trimmed = std::regex_replace(lines[i], std::regex("^\\s+|\\s+$"), "");
        if (trimmed == "BEGIN") {
            ++depth;
        } else if (trimmed == "END") {
            if (--depth == 0) break;
        } else {
            block.body.push_back(trimmed);
        }
    }
    return block;
}

std::set<std::string> StyleTokens(const std::string& expr) {
    std::set<std::string> tokens;
    std::stringstream in(expr);
    for (std::string t; std::getline(in, t, '|');)
        tokens.insert(std::regex_replace(t, std::regex("^\\s+|\\s+$"), ""));
    return tokens;
}

// The window class and the style bits that make each kind what it is.
struct KindSpec {
    const char* windowClass;
    std::set<std::string> styles;
};

const std::map<ControlKind, KindSpec>& KindSpecs() {
    static const std::map<ControlKind, KindSpec> specs = {
        {ControlKind::GroupBox, {"Button", {"BS_GROUPBOX"}}},
        {ControlKind::Label, {"Static", {"SS_LEFT"}}},
        {ControlKind::DropDownList, {"ComboBox", {"CBS_DROPDOWNLIST", "WS_VSCROLL", "WS_TABSTOP"}}},
        {ControlKind::RadioButton, {"Button", {"BS_AUTORADIOBUTTON"}}},
        {ControlKind::CheckBox, {"Button", {"BS_AUTOCHECKBOX", "WS_TABSTOP"}}},
        {ControlKind::Edit, {"Edit", {"ES_AUTOHSCROLL", "WS_BORDER", "WS_TABSTOP"}}},
        {ControlKind::ReadOnlyEdit, {"Edit", {"ES_AUTOHSCROLL", "ES_READONLY", "WS_BORDER"}}},
        {ControlKind::LogEdit,
         {"Edit", {"ES_MULTILINE", "ES_AUTOVSCROLL", "ES_READONLY", "WS_VSCROLL", "WS_BORDER", "WS_TABSTOP"}}},
        {ControlKind::PushButton, {"Button", {"BS_PUSHBUTTON", "WS_TABSTOP"}}},
        {ControlKind::ProgressBar, {"msctls_progress32", {"WS_BORDER"}}},
        {ControlKind::BitmapStatic, {"Static", {"SS_BITMAP"}}},
    };
    return specs;
}

TEST(RcTemplate, MainDialogHeaderMatchesTheTable) {
    const bbres::DialogTemplate& t = bbres::MainDialog();
    const Block block = FindBlock(RcLines(), "IDD_MAIN DIALOGEX");
    ASSERT_EQ(block.header.size(), 6u);
    std::ostringstream size;
    size << "IDD_MAIN DIALOGEX 0, 0, " << t.cx << ", " << t.cy;
    EXPECT_EQ(block.header[0], size.str());
    EXPECT_EQ(StyleTokens(block.header[1].substr(6)),
              (std::set<std::string>{"DS_MODALFRAME", "WS_MINIMIZEBOX", "WS_POPUP", "WS_VISIBLE", "WS_CAPTION",
                                     "WS_SYSMENU"}));
    EXPECT_EQ(StyleTokens(block.header[2].substr(8)),
              (std::set<std::string>{"WS_EX_APPWINDOW", "WS_EX_ACCEPTFILES"}));
    EXPECT_EQ(block.header[3], std::string("CAPTION \"") + t.caption + "\"");
    EXPECT_EQ(block.header[4], "MENU IDR_MAIN_MENU");
    EXPECT_EQ(t.menuId, IDR_MAIN_MENU);
    std::ostringstream font;
    font << "FONT " << t.fontPoints << ", \"" << t.fontFace << "\"";
    EXPECT_EQ(block.header[5], font.str());
}

TEST(RcTemplate, EveryControlLineMatchesItsTableRow) {
    const bbres::DialogTemplate& t = bbres::MainDialog();
    const Block block = FindBlock(RcLines(), "IDD_MAIN DIALOGEX");
    // CONTROL "caption",ID,"Class",STYLE | STYLE,x,y,cx,cy
    const std::regex line(R"re(CONTROL "([^"]*)",(\w+),"(\w+)",([A-Z0-9_ |]+),(\d+),(\d+),(\d+),(\d+))re");
    ASSERT_EQ(block.body.size(), t.controls.size());
    for (size_t i = 0; i < t.controls.size(); ++i) {
        const bbres::ControlTemplate& c = t.controls[i];
        SCOPED_TRACE(c.idName);
        std::smatch m;
        ASSERT_TRUE(std::regex_match(block.body[i], m, line)) << block.body[i];
        EXPECT_EQ(m[1], c.caption);
        EXPECT_EQ(m[2], c.idName);
        const KindSpec& spec = KindSpecs().at(c.kind);
        EXPECT_EQ(m[3], spec.windowClass);
        std::set<std::string> expected = spec.styles;
        if (c.disabled) expected.insert("WS_DISABLED");
        if (c.group) expected.insert("WS_GROUP");
        // The first radio of a group is the group's tab stop.
        if (c.kind == ControlKind::RadioButton && c.group) expected.insert("WS_TABSTOP");
        EXPECT_EQ(StyleTokens(m[4]), expected);
        EXPECT_EQ(std::stoi(m[5]), c.x);
        EXPECT_EQ(std::stoi(m[6]), c.y);
        EXPECT_EQ(std::stoi(m[7]), c.cx);
        EXPECT_EQ(std::stoi(m[8]), c.cy);
    }
}

TEST(RcTemplate, MenuMatchesTheTable) {
    const bbres::MenuTemplate& menu = bbres::MainMenu();
    const Block block = FindBlock(RcLines(), "IDR_MAIN_MENU MENU");
    ASSERT_EQ(block.body.size(), menu.items.size() + 1);
    EXPECT_EQ(block.body[0], std::string("POPUP \"") + menu.popupCaption + "\"");
    const std::map<std::string, int> commands = {
        {"ID_SETTINGS_FSFLAGS", ID_SETTINGS_FSFLAGS}, {"ID_SETTINGS_SAVE", ID_SETTINGS_SAVE},
        {"ID_SETTINGS_OTHER", ID_SETTINGS_OTHER},     {"ID_SETTINGS_LANGUAGE", ID_SETTINGS_LANGUAGE},
        {"ID_SETTINGS_AUDIO", ID_SETTINGS_AUDIO},
    };
    const std::regex item(R"re(MENUITEM "([^"]*)",\s*(\w+))re");
    for (size_t i = 0; i < menu.items.size(); ++i) {
        const std::string& rc = block.body[i + 1];
        if (menu.items[i].command == 0) {
            EXPECT_EQ(rc, "MENUITEM SEPARATOR");
            continue;
        }
        std::smatch m;
        ASSERT_TRUE(std::regex_match(rc, m, item)) << rc;
        EXPECT_EQ(m[1], menu.items[i].caption);
        ASSERT_TRUE(commands.count(m[2])) << rc;
        EXPECT_EQ(commands.at(m[2]), menu.items[i].command);
    }
}

// Every icon a button of the table names is in the script, and so are the
// window icon, the hover cursor and the size meter's bitmap.
TEST(RcTemplate, ImagesTheWindowUsesAreInTheScript) {
    const std::map<int, std::string> names = {
        {IDI_MAIN, "IDI_MAIN"},       {IDI_DIRECTORY, "IDI_DIRECTORY"}, {IDI_BURN, "IDI_BURN"},
        {IDI_QUIT, "IDI_QUIT"},       {IDI_ABORT, "IDI_ABORT"},         {IDI_HELP_BUTTON, "IDI_HELP_BUTTON"},
        {IDI_ABOUT, "IDI_ABOUT"},     {IDI_SAVE_LOG, "IDI_SAVE_LOG"},   {IDI_ERASE, "IDI_ERASE"},
        {IDI_REFRESH, "IDI_REFRESH"}, {IDI_CLEAR_LOG, "IDI_CLEAR_LOG"}, {IDI_EJECT, "IDI_EJECT"},
    };
    std::set<std::string> declared;
    const std::regex resource(R"re((\w+)\s+(ICON|CURSOR|BITMAP)\s+"res/art/[\w.]+")re");
    for (const std::string& l : RcLines()) {
        std::smatch m;
        if (std::regex_match(l, m, resource))
            declared.insert(m[1].str() + " " + m[2].str());
    }
    std::set<int> used = {IDI_MAIN};
    for (const bbres::ControlTemplate& c : bbres::MainDialog().controls)
        if (c.iconId != 0) used.insert(c.iconId);
    EXPECT_EQ(used.size(), names.size());
    for (int id : used) {
        ASSERT_TRUE(names.count(id)) << id;
        EXPECT_TRUE(declared.count(names.at(id) + " ICON")) << names.at(id);
    }
    EXPECT_TRUE(declared.count("IDCUR_HAND CURSOR"));
    EXPECT_TRUE(declared.count("IDB_SIZE_METER BITMAP"));
    EXPECT_STREQ(bbres::FindControl(bbres::MainDialog(), IDC_SIZE_METER)->caption, "#5010");
    EXPECT_EQ(IDB_SIZE_METER, 5010);
}

TEST(RcTemplate, RadioGroupsAreTheTwoPairs) {
    const auto& d = bbres::MainDialog();
    struct Case {
        int first;
        std::vector<int> ids;
    } cases[] = {
        {IDC_MEDIA_DVD, {IDC_MEDIA_DVD, IDC_MEDIA_CD}},
        {IDC_FULL_ERASE, {IDC_FULL_ERASE, IDC_QUICK_ERASE}},
        {IDC_MEDIA_CD, {}},
        {IDC_BURN, {}},
    };
    for (const Case& c : cases) {
        std::vector<int> ids;
        for (const auto& r : bbres::RadioGroup(d, c.first)) ids.push_back(r.id);
        EXPECT_EQ(ids, c.ids) << c.first;
    }
}

}  // namespace
