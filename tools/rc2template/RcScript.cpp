#include "tools/rc2template/RcScript.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>

namespace bb::tools::rc2template {
namespace {

struct Token {
    enum Type { Word, String, Comma, Bar } type;
    std::string text;  // a string's text without its quotes, "" unescaped to "
};

struct Line {
    int number;
    std::vector<Token> tokens;
    std::string include;  // the file of a #include "file" line
};

[[noreturn]] void Fail(int line, const std::string& what) {
    throw RcError("line " + std::to_string(line) + ": " + what);
}

std::string Upper(std::string s) {
    for (char& c : s) c = char(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// Splits one physical line into tokens, dropping comments. `inComment`
// carries a /* comment over to the next line.
std::vector<Token> Tokenize(const std::string& text, int number, bool& inComment) {
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < text.size()) {
        if (inComment) {
            const size_t end = text.find("*/", i);
            if (end == std::string::npos) return tokens;
            inComment = false;
            i = end + 2;
            continue;
        }
        const char c = text[i];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
        } else if (text.compare(i, 2, "//") == 0) {
            break;
        } else if (text.compare(i, 2, "/*") == 0) {
            inComment = true;
            i += 2;
        } else if (c == ',') {
            tokens.push_back({Token::Comma, ","});
            ++i;
        } else if (c == '|') {
            tokens.push_back({Token::Bar, "|"});
            ++i;
        } else if (c == '"') {
            std::string s;
            for (++i;; ++i) {
                if (i >= text.size()) Fail(number, "unterminated string");
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        s += '"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                s += text[i];
            }
            tokens.push_back({Token::String, s});
        } else {
            const size_t start = i;
            while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i])) && text[i] != ',' &&
                   text[i] != '|' && text[i] != '"' && text.compare(i, 2, "//") != 0)
                ++i;
            tokens.push_back({Token::Word, text.substr(start, i - start)});
        }
    }
    return tokens;
}

// Logical lines: a line ending in ',' or '|' goes on in the next one.
std::vector<Line> ReadLines(std::string_view text) {
    std::vector<Line> lines;
    std::istringstream in{std::string(text)};
    bool inComment = false;
    bool continued = false;
    int number = 0;
    for (std::string raw; std::getline(in, raw);) {
        ++number;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        const size_t first = raw.find_first_not_of(" \t");
        if (!inComment && !continued && first != std::string::npos && raw[first] == '#') {
            std::istringstream directive(raw.substr(first + 1));
            std::string word, file;
            directive >> word >> file;
            // Quoted files as they are; of the system headers only <windows.h>
            // gives the tables names (IDOK, IDCANCEL), through its portable stand-in.
            if (word == "include" && file.size() > 2 &&
                ((file.front() == '"' && file.back() == '"') || file == "<windows.h>"))
                lines.push_back({number, {}, file});
            continue;
        }
        std::vector<Token> tokens = Tokenize(raw, number, inComment);
        if (tokens.empty()) {
            continued = false;
            continue;
        }
        if (continued) {
            lines.back().tokens.insert(lines.back().tokens.end(), tokens.begin(), tokens.end());
        } else {
            lines.push_back({number, std::move(tokens), {}});
        }
        const Token::Type last = lines.back().tokens.back().type;
        continued = last == Token::Comma || last == Token::Bar;
    }
    return lines;
}

bool IsWord(const Line& line, size_t at, const char* word) {
    return at < line.tokens.size() && line.tokens[at].type == Token::Word && Upper(line.tokens[at].text) == word;
}
bool IsBegin(const Line& line) { return IsWord(line, 0, "BEGIN") || IsWord(line, 0, "{"); }
bool IsEnd(const Line& line) { return IsWord(line, 0, "END") || IsWord(line, 0, "}"); }

// The comma-separated arguments of a statement, after its keyword.
std::vector<std::vector<Token>> Arguments(const Line& line, size_t from) {
    std::vector<std::vector<Token>> args(1);
    for (size_t i = from; i < line.tokens.size(); ++i) {
        if (line.tokens[i].type == Token::Comma)
            args.emplace_back();
        else
            args.back().push_back(line.tokens[i]);
    }
    if (args.size() == 1 && args[0].empty()) args.clear();
    return args;
}

std::string StringArg(const Line& line, const std::vector<Token>& arg, const char* what) {
    if (arg.size() != 1 || arg[0].type != Token::String) Fail(line.number, std::string(what) + " must be a string");
    return arg[0].text;
}

std::string WordArg(const Line& line, const std::vector<Token>& arg, const char* what) {
    if (arg.size() != 1 || arg[0].type != Token::Word) Fail(line.number, std::string(what) + " must be one word");
    return arg[0].text;
}

int IntArg(const Line& line, const std::vector<Token>& arg, const char* what) {
    const std::string word = WordArg(line, arg, what);
    size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(word, &used, 0);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != word.size()) Fail(line.number, std::string(what) + " must be a number, not " + word);
    return value;
}

// STYLE_A | STYLE_B | NOT STYLE_C, applied to the statement's defaults.
void ApplyStyles(const Line& line, const std::vector<Token>& arg, std::set<std::string>& styles) {
    bool expectStyle = true;
    bool negate = false;
    for (const Token& t : arg) {
        if (expectStyle && t.type == Token::Word && Upper(t.text) == "NOT") {
            negate = true;
        } else if (expectStyle && t.type == Token::Word) {
            if (negate)
                styles.erase(t.text);
            else
                styles.insert(t.text);
            negate = false;
            expectStyle = false;
        } else if (!expectStyle && t.type == Token::Bar) {
            expectStyle = true;
        } else {
            Fail(line.number, "bad style expression near '" + t.text + "'");
        }
    }
    if (expectStyle && !arg.empty()) Fail(line.number, "style expression ends in '|'");
}

// The short control statements: their window class, default styles and
// whether they start with a caption.
struct ShortForm {
    const char* windowClass;
    bool hasCaption;
    std::set<std::string> defaults;
};

const std::map<std::string, ShortForm>& ShortForms() {
    static const std::map<std::string, ShortForm> forms = {
        {"LTEXT", {"Static", true, {"SS_LEFT", "WS_GROUP"}}},
        {"CTEXT", {"Static", true, {"SS_CENTER", "WS_GROUP"}}},
        {"RTEXT", {"Static", true, {"SS_RIGHT", "WS_GROUP"}}},
        {"PUSHBUTTON", {"Button", true, {"BS_PUSHBUTTON", "WS_TABSTOP"}}},
        {"DEFPUSHBUTTON", {"Button", true, {"BS_DEFPUSHBUTTON", "WS_TABSTOP"}}},
        {"GROUPBOX", {"Button", true, {"BS_GROUPBOX"}}},
        {"CHECKBOX", {"Button", true, {"BS_CHECKBOX", "WS_TABSTOP"}}},
        {"AUTOCHECKBOX", {"Button", true, {"BS_AUTOCHECKBOX", "WS_TABSTOP"}}},
        {"RADIOBUTTON", {"Button", true, {"BS_RADIOBUTTON"}}},
        {"AUTORADIOBUTTON", {"Button", true, {"BS_AUTORADIOBUTTON"}}},
        {"EDITTEXT", {"Edit", false, {"ES_LEFT", "WS_BORDER", "WS_TABSTOP"}}},
        {"COMBOBOX", {"ComboBox", false, {"CBS_SIMPLE", "WS_TABSTOP"}}},
    };
    return forms;
}

// What the program makes of a control: the kinds of res::ControlKind.
std::string KindOf(const Line& line, const RcControl& c) {
    const std::string cls = Upper(c.windowClass);
    if (cls == "BUTTON") {
        if (c.Has("BS_GROUPBOX")) return "GroupBox";
        if (c.Has("BS_AUTORADIOBUTTON") || c.Has("BS_RADIOBUTTON")) return "RadioButton";
        if (c.Has("BS_AUTOCHECKBOX") || c.Has("BS_CHECKBOX")) return "CheckBox";
        for (const std::string& s : c.styles)
            if (s.rfind("BS_", 0) == 0 && s != "BS_PUSHBUTTON" && s != "BS_DEFPUSHBUTTON")
                Fail(line.number, "button style " + s + " is not supported");
        return "PushButton";
    }
    if (cls == "STATIC") {
        if (c.Has("SS_BITMAP")) return "BitmapStatic";
        if (c.Has("SS_ICON")) Fail(line.number, "icon statics are not supported");
        return "Label";
    }
    if (cls == "COMBOBOX") {
        if (c.Has("CBS_DROPDOWNLIST")) return "DropDownList";
        Fail(line.number, "only drop-down list combo boxes are supported");
    }
    if (cls == "EDIT") {
        if (c.Has("ES_MULTILINE")) {
            if (!c.Has("ES_READONLY")) Fail(line.number, "a multi-line edit must be read-only");
            return "LogEdit";
        }
        return c.Has("ES_READONLY") ? "ReadOnlyEdit" : "Edit";
    }
    if (cls == "MSCTLS_PROGRESS32") return "ProgressBar";
    Fail(line.number, "window class \"" + c.windowClass + "\" is not supported");
}

RcControl ParseControl(const Line& line) {
    const std::string keyword = Upper(line.tokens[0].text);
    auto args = Arguments(line, 1);
    RcControl c;
    size_t at = 0;
    auto next = [&](const char* what) -> const std::vector<Token>& {
        if (at >= args.size()) Fail(line.number, keyword + " lacks its " + what);
        return args[at++];
    };
    std::vector<Token> style;
    if (keyword == "CONTROL") {
        c.caption = StringArg(line, next("caption"), "the caption");
        c.id = WordArg(line, next("id"), "the id");
        const auto& cls = next("window class");
        c.windowClass = cls.size() == 1 && cls[0].type == Token::Word ? cls[0].text
                                                                      : StringArg(line, cls, "the window class");
        style = next("style");
    } else {
        const auto form = ShortForms().find(keyword);
        if (form == ShortForms().end()) Fail(line.number, "unknown dialog statement " + line.tokens[0].text);
        c.windowClass = form->second.windowClass;
        c.styles = form->second.defaults;
        if (form->second.hasCaption) c.caption = StringArg(line, next("caption"), "the caption");
        c.id = WordArg(line, next("id"), "the id");
    }
    c.x = IntArg(line, next("x"), "x");
    c.y = IntArg(line, next("y"), "y");
    c.cx = IntArg(line, next("width"), "the width");
    c.cy = IntArg(line, next("height"), "the height");
    if (keyword != "CONTROL" && at < args.size()) style = args[at++];
    if (at < args.size()) ++at;  // extended style: nothing the tables hold
    if (at != args.size()) Fail(line.number, "too many arguments");
    ApplyStyles(line, style, c.styles);
    c.kind = KindOf(line, c);
    return c;
}

class Parser {
public:
    explicit Parser(std::vector<Line> lines) : m_lines(std::move(lines)) {}

    RcScript Run() {
        RcScript script;
        while (m_pos < m_lines.size()) {
            const Line& line = m_lines[m_pos];
            if (!line.include.empty()) {
                script.includes.push_back(line.include);
                ++m_pos;
            } else if (IsWord(line, 1, "DIALOGEX") || IsWord(line, 1, "DIALOG")) {
                script.dialogs.push_back(Dialog());
            } else if (IsWord(line, 1, "MENU")) {
                script.menus.push_back(Menu());
            } else if (IsWord(line, 1, "MENUEX")) {
                Fail(line.number, "MENUEX is not supported");
            } else if (IsBegin(line)) {
                SkipBlock();
            } else if (IsEnd(line)) {
                Fail(line.number, "END without BEGIN");
            } else {
                ++m_pos;  // another resource or a top-level statement
            }
        }
        return script;
    }

private:
    const Line& Take() {
        if (m_pos >= m_lines.size()) Fail(m_lines.empty() ? 0 : m_lines.back().number, "unexpected end of script");
        const Line& line = m_lines[m_pos++];
        if (line.tokens.empty()) Fail(line.number, "#include inside a resource");
        return line;
    }

    void ExpectBegin() {
        const Line& line = Take();
        if (!IsBegin(line)) Fail(line.number, "BEGIN expected");
    }

    void SkipBlock() {
        int depth = 0;
        do {
            const Line& line = Take();
            if (IsBegin(line)) ++depth;
            if (IsEnd(line)) --depth;
        } while (depth > 0);
    }

    RcDialog Dialog() {
        const Line& header = Take();
        RcDialog d;
        d.id = header.tokens[0].text;
        const auto args = Arguments(header, 2);
        if (args.size() < 4) Fail(header.number, "a dialog needs x, y, width and height");
        d.cx = IntArg(header, args[2], "the width");
        d.cy = IntArg(header, args[3], "the height");
        while (m_pos < m_lines.size() && !IsBegin(m_lines[m_pos])) {
            const Line& line = Take();
            const std::string word = Upper(line.tokens[0].text);
            const auto opts = Arguments(line, 1);
            if (word == "CAPTION") {
                d.caption = StringArg(line, opts.empty() ? std::vector<Token>{} : opts[0], "the caption");
            } else if (word == "MENU") {
                d.menu = WordArg(line, opts.empty() ? std::vector<Token>{} : opts[0], "the menu");
            } else if (word == "FONT") {
                if (opts.size() < 2) Fail(line.number, "FONT needs a size and a face");
                d.fontPoints = IntArg(line, opts[0], "the font size");
                d.fontFace = StringArg(line, opts[1], "the font face");
            } else if (word != "STYLE" && word != "EXSTYLE" && word != "CLASS" && word != "LANGUAGE" &&
                       word != "CHARACTERISTICS" && word != "VERSION") {
                Fail(line.number, "unknown dialog option " + line.tokens[0].text);
            }
        }
        ExpectBegin();
        for (;;) {
            const Line& line = Take();
            if (IsEnd(line)) break;
            if (line.tokens[0].type != Token::Word) Fail(line.number, "a control statement expected");
            d.controls.push_back(ParseControl(line));
        }
        return d;
    }

    RcMenu Menu() {
        RcMenu m;
        m.id = Take().tokens[0].text;
        ExpectBegin();
        const Line& popup = Take();
        if (!IsWord(popup, 0, "POPUP")) Fail(popup.number, "the menu bar must hold one POPUP");
        const auto popupArgs = Arguments(popup, 1);
        m.popupCaption = StringArg(popup, popupArgs.empty() ? std::vector<Token>{} : popupArgs[0], "the caption");
        ExpectBegin();
        for (;;) {
            const Line& line = Take();
            if (IsEnd(line)) break;
            if (!IsWord(line, 0, "MENUITEM")) Fail(line.number, "MENUITEM expected");
            if (IsWord(line, 1, "SEPARATOR") && line.tokens.size() == 2) {
                m.items.push_back({});
                continue;
            }
            const auto args = Arguments(line, 1);
            if (args.size() < 2) Fail(line.number, "MENUITEM needs a caption and a command");
            m.items.push_back({WordArg(line, args[1], "the command"), StringArg(line, args[0], "the caption")});
        }
        const Line& end = Take();
        if (!IsEnd(end)) Fail(end.number, "the menu bar must hold one POPUP");
        return m;
    }

    std::vector<Line> m_lines;
    size_t m_pos = 0;
};

}  // namespace

RcScript ParseRcScript(std::string_view text) {
    return Parser(ReadLines(text)).Run();
}

}  // namespace bb::tools::rc2template
