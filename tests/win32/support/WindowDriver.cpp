// A console helper that drives the running BrenvikBurn.exe from outside, for
// the Wine scripts, run in the same prefix. <w> is "main" (the main window,
// whatever a job puts in front of its title), "dialog" (a dialog or box of the
// program besides the main window) or a window title (exact, else a part).
//   wait|gone <w> <seconds>       exit 0 once the window is shown / is not
//   iconic <w>                    exit 0 when it is minimised
//   idle <w>                      returns once its thread takes messages again
//   command <w> <id>              a menu command or button (WM_COMMAND, posted)
//   click <w> <id>                clicks a button or check box (BM_CLICK, sent)
//   settext|type <w> <id> <text>  sets a control's text; type: then the focus leaves it
//   select <w> <id> <text>        selects that entry of a combo box, as a user does
//   text <w> <id>|title           prints a control's text or the window's title
//   checked <w> <id>              prints 1 or 0
//   texts <w> <language file>     exit 0 when every control that takes a language text
//                                 shows the file's (menus cannot be read from outside)
//   save-as <path> <seconds>      answers the Save As dialog with the path
//   box <w> <seconds>             prints a box's caption and text
//   answer <w> <seconds> [<id>]   prints a box, presses <id> or its default button
//   about <seconds>               the About box: title, version line, link rectangles
//   close <w>                     asks the window to close (WM_CLOSE)
//   try-close <w>                 system-menu Close and WM_CLOSE; exit 0 when it stays
//   close-box <w>                 prints the close box's screen point
//   rect <w> <id>                 a control's screen rectangle: left top right bottom
//   tip|notip <w> <id> <secs>     prints the button's tooltip once shown; notip: exit 0
//                                 when none shows that long
//   meter <w> <yellow> <red> <size>  "x y width" of the size meter, then the bar's runs
//                                 its arithmetic predicts: "run <part> <from> <to>"
//   walk <w> idle|job|after <language file>  every control and command pressed (the
//                                 table below); after: idle again, speeds offered
// Exit status 0 when done; walk: the number of rows that failed.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "controls/SizeMeterLayout.h"
#include "res/MainDialogTemplate.h"
#include "res/resource.h"
#include "settings/LanguageTable.h"
#include "tests/win32/support/WindowTesting.h"

namespace bb::test {
namespace {

using wintest::Press;
using wintest::TextOf;
using wintest::TitleOf;

constexpr int kUsage = -1;

bool IsMain(HWND w) {
    return GetDlgItem(w, IDC_LOG) && GetDlgItem(w, IDC_BURN) && TitleOf(w).find("Brenvik Burn") != std::string::npos;
}

HWND Find(const std::string& name, DWORD ms) {
    if (name == "main") return wintest::WaitTop(IsMain, ms);
    if (name == "dialog") {
        HWND main = wintest::WaitTop(IsMain);
        DWORD mainPid = 0;
        if (!main || !GetWindowThreadProcessId(main, &mainPid)) return nullptr;
        return wintest::WaitTop(
            [&](HWND w) {
                DWORD pid = 0;
                GetWindowThreadProcessId(w, &pid);
                char cls[16] = {};
                GetClassNameA(w, cls, sizeof cls);
                return w != main && pid == mainPid && IsWindowVisible(w) && std::string(cls) == "#32770";
            },
            ms);
    }
    const DWORD until = GetTickCount() + ms;
    for (;;) {
        if (HWND w = wintest::WaitTop([&](HWND h) { return TitleOf(h) == name; })) return w;
        if (HWND w = wintest::WaitTop([&](HWND h) { return TitleOf(h).find(name) != std::string::npos; })) return w;
        if (GetTickCount() >= until) return nullptr;
        Sleep(100);
    }
}

DWORD Ms(const char* seconds) { return DWORD(std::atoi(seconds)) * 1000; }

// The button that Enter presses: the one drawn as the default push button.
int DefaultButton(HWND box) {
    for (int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
        HWND button = GetDlgItem(box, id);
        if (button && (GetWindowLongA(button, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON) return id;
    }
    return IDOK;
}

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find("\r\n", start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// Without the line ends' carriage returns, which boxes and edits differ in.
std::string Plain(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

// Every language text of the main window's controls, against the file.
int CompareTexts(HWND hwnd, const char* file) {
    const settings::LanguageTable texts(file);
    int wrong = 0, compared = 0;
    for (const res::ControlTemplate& c : res::MainDialog().controls) {
        if (c.textId == 0) continue;
        ++compared;
        const std::string shown = TextOf(GetDlgItem(hwnd, c.id)), expected = texts.GetText(c.textId);
        if (shown != expected) {
            std::printf("%s: \"%s\", the file says \"%s\"\n", c.idName, shown.c_str(), expected.c_str());
            ++wrong;
        }
    }
    std::printf("%d of %d texts differ from %s\n", wrong, compared, file);
    return wrong == 0 && compared > 20 ? 0 : 1;
}

// The text of tool 1 of `tooltip`, asked in the program's own memory: the
// request and its buffer must live in the process that owns the tooltip.
std::string ToolText(HWND tooltip, HWND button) {
    DWORD pid = 0;
    GetWindowThreadProcessId(tooltip, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process) return "(cannot open the program)";
    constexpr SIZE_T kText = 512;
    auto* remote = static_cast<char*>(
        VirtualAllocEx(process, nullptr, sizeof(TOOLINFOA) + kText, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    char text[kText] = {};
    if (remote) {
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;
        tool.hwnd = button;
        tool.uId = 1;
        tool.lpszText = remote + sizeof(TOOLINFOA);
        WriteProcessMemory(process, remote, &tool, sizeof tool, nullptr);
        WriteProcessMemory(process, tool.lpszText, text, kText, nullptr);
        SendMessageA(tooltip, TTM_GETTEXTA, kText, LPARAM(remote));
        ReadProcessMemory(process, tool.lpszText, text, kText - 1, nullptr);
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return remote ? text : "(no memory in the program)";
}

// The shown tooltip of the button's program that has a text for the button
// (each button has a tooltip of its own), or null.
HWND VisibleTooltipOf(HWND button) {
    DWORD program = 0;
    GetWindowThreadProcessId(button, &program);
    for (HWND w = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); w;
         w = FindWindowExA(nullptr, w, TOOLTIPS_CLASSA, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == program && IsWindowVisible(w) && !ToolText(w, button).empty()) return w;
    }
    return nullptr;
}

int Meter(HWND main, int yellow, int red, int size) {
    RECT r, owner;
    GetWindowRect(GetDlgItem(main, IDC_SIZE_METER), &r);
    GetWindowRect(main, &owner);
    const int width = controls::MeterStripWidth(owner.left, owner.right, r.left);
    if (r.right - r.left != width || r.bottom - r.top != controls::kMeterHeight)
        return std::printf("the meter is %ldx%ld, its strip %dx%d\n", long(r.right - r.left), long(r.bottom - r.top),
                           width, controls::kMeterHeight), 1;
    std::printf("%ld %ld %d\n", long(r.left), long(r.top), width);
    for (const controls::MeterRun& run : controls::MeterBarFor(width, yellow, red, size).runs)
        std::printf("run %d %d %d\n", run.partColumn, run.from, run.to);
    return 0;
}

// --- the walk: what pressing each control does in the idle and the job state ---

struct Effect {
    bool usable = true;            // false: greyed, a user cannot press it
    bool routedOnly = false;       // accepted; a window it opens is closed, not checked
    bool opensWindow = false;      // a window of its own opens, and is cancelled
    std::vector<int> mayChange{};  // controls whose state the command may change
    unsigned box = 0;              // the box that asks, answered with its default (Enter)
    std::string boxCaption{}, boxText{};
    bool opensPicker = false;      // a file or folder picker, cancelled
    std::string statusWhileOpen{}; // the status line while the picker is open
    std::vector<std::string> log{};  // the first new log lines ("*": any line)
    bool moreLog = false;          // further new lines may follow
    std::string status{};          // the status line afterwards ("": unchanged)
    bool clearsLog = false;
    bool notPressed = false;       // Quit ends the walk: only its state is checked
};

struct Row {
    int id;  // control id, or menu command (above 40000)
    const char* name;
    Effect idle, job;
    bool Menu() const { return id > 40000; }
};

// "#NNN" is language text NNN of the program's language file.
std::vector<Row> Table() {
    const Effect greyed{.usable = false}, nothing{}, opens{.opensWindow = true};
    return {
        // Recorder settings.
        {IDC_MEDIA_CD, "CD radio", {.log = {"#676", "#660"}, .moreLog = true}, greyed},
        {IDC_MEDIA_DVD, "DVD radio", {.log = {"#674", "#660"}, .moreLog = true}, greyed},
        {IDC_REFRESH, "refresh", {.log = {"#660"}, .moreLog = true}, greyed},
        {IDC_REALLOCATE, "Reallocate (off)", {.box = 0x40, .boxCaption = "Just 4 Info", .boxText = "#640", .log = {"#678"}},
         greyed},
        {IDC_REALLOCATE, "Reallocate (on)", {.log = {"#680"}}, greyed},
        {IDC_VERIFY, "Verify (on)", nothing, greyed},
        {IDC_VERIFY, "Verify (off)", nothing, greyed},
        // Erase.
        {IDC_FULL_ERASE, "Full Erase radio", nothing, greyed},
        {IDC_QUICK_ERASE, "Quick Erase radio", nothing, greyed},
        {IDC_ERASE, "Erase", {.box = 0x124, .boxCaption = "Erase ReWriteable", .boxText = "#642"}, greyed},
        // Burn.
        {IDC_BROWSE, "Directory", {.opensPicker = true, .statusWhileOpen = "#764", .status = "#766"}, greyed},
        {IDC_SHUTDOWN, "Shutdown (on)", {.log = {"*"}}, {.log = {"*"}}},
        {IDC_SHUTDOWN, "Shutdown (off)", nothing, nothing},
        {IDC_BURN, "Burn", greyed, greyed},
        {IDC_EJECT, "eject", nothing, greyed},
        // An erase cannot be aborted; the Abort question during a burn is
        // checked on the headless host, where a burn lasts as long as a test needs.
        {IDC_ABORT, "Abort", greyed, greyed},
        // Log and the bottom row.
        {IDC_SAVE_LOG, "Save Log", {.opensPicker = true, .statusWhileOpen = "Saving Log...", .status = "Break..."},
         greyed},
        {IDC_CLEAR_LOG, "Clear Log", {.clearsLog = true}, {.clearsLog = true}},
        // Help starts the help viewer, a program of its own.
        {IDC_HELP_BUTTON, "Help", {.routedOnly = true}, {.routedOnly = true}},
        {IDC_ABOUT, "About", {.opensWindow = true, .status = "#766"}, greyed},
        // Menu 118: the Settings pop-up is greyed during a job. After Other
        // Settings the size check runs again and sets Burn.
        {40001, "Settings > Filesystem Flags", opens, greyed},
        {40003, "Settings > Other Settings", {.opensWindow = true, .mayChange = {IDC_BURN}}, greyed},
        {40004, "Settings > Language", opens, greyed},
        {40005, "Settings > Audio", opens, greyed},
        {40002, "Settings > Save Settings", {.status = "#776"}, greyed},
        {IDC_QUIT, "Quit", {.notPressed = true}, greyed},
    };
}

class Walker {
public:
    Walker(HWND main, const char* language) : m_main(main), m_texts(language) {}

    std::string T(const std::string& spec) const {
        return spec.size() < 2 || spec[0] != '#' ? spec : m_texts.GetText(std::atoi(spec.c_str() + 1));
    }
    bool Enabled(int id) const { return IsWindowEnabled(GetDlgItem(m_main, id)) != FALSE; }
    // Whether a user can press the row's control now. A menu's state cannot
    // be read from another process under Wine: its rows take the table's word.
    bool Usable(const Row& row, const Effect& e) const { return row.Menu() ? e.usable : Enabled(row.id); }
    std::map<int, bool> States(const std::vector<Row>& rows) const {
        std::map<int, bool> states{{IDC_RECORDER_LIST, Enabled(IDC_RECORDER_LIST)}};
        for (const Row& r : rows)
            if (!r.Menu()) states[r.id] = Enabled(r.id);
        return states;
    }
    std::vector<std::string> Log() const { return LinesOf(TextOf(GetDlgItem(m_main, IDC_LOG))); }
    std::string Status() const { return TextOf(GetDlgItem(m_main, IDC_STATUS)); }

    // Presses the row's control (unless !press) and checks what follows; ""
    // when all is as the row says, else what differs. During a job the job's
    // own lines go on arriving: the row's lines must be among the new ones.
    std::string Check(const Row& row, const Effect& e, const std::vector<Row>& rows, bool job, bool press = true) {
        std::string wrong, extra;
        auto differs = [&](const std::string& what) { wrong += (wrong.empty() ? "" : "; ") + what; };
        if (Usable(row, e) != e.usable) return e.usable ? "greyed, the table says usable" : "usable, the table says greyed";
        if (!e.usable || e.notPressed || !press) return wrong;

        const std::vector<std::string> logBefore = Log();
        const std::string statusBefore = Status();
        const std::map<int, bool> statesBefore = States(rows);
        if (row.Menu())
            PostMessageA(m_main, WM_COMMAND, MAKEWPARAM(row.id, 0), 0);
        else  // the button checks and unchecks itself (check boxes, radios) as under the mouse
            PostMessageA(GetDlgItem(m_main, row.id), BM_CLICK, 0, 0);

        const bool expectsWindow = e.box != 0 || e.opensPicker || e.routedOnly || e.opensWindow;
        int answer = IDCANCEL;
        HWND other = Find("dialog", expectsWindow ? (e.routedOnly ? 1500 : 10000) : 700);
        if (!expectsWindow) {
            if (other) differs("unexpected window '" + TextOf(other) + "'");
        } else if (!other) {
            if (!e.routedOnly) return "no window";
            extra = "accepted, no window yet";
        } else if (e.box != 0) {
            // Its buttons and default as the box type's bits (the icon's
            // handle belongs to the program and cannot be compared from here).
            answer = DefaultButton(other);  // Enter
            const unsigned type = GetDlgItem(other, IDYES) && GetDlgItem(other, IDNO)
                                      ? MB_YESNO | (answer == IDNO ? MB_DEFBUTTON2 : 0) : MB_OK;
            if (type != (e.box & 0xF0F)) differs("box buttons/default of another type than " + std::to_string(e.box));
            if (TextOf(other) != T(e.boxCaption)) differs("box caption '" + TextOf(other) + "'");
            const std::string text = TextOf(GetDlgItem(other, 0xFFFF));
            if (Plain(text) != Plain(T(e.boxText))) differs("box text '" + text + "'");
        } else if (e.opensPicker) {
            Sleep(500);  // the picker's own start-up
            if (Status() != T(e.statusWhileOpen)) differs("status while open '" + Status() + "'");
            extra = "picker '" + TextOf(other) + "' cancelled";
        } else {
            extra = (e.routedOnly ? "opened '" : "'") + TextOf(other) + "' cancelled";
        }
        if (other) Press(other, answer);
        if (other && !wintest::WaitGone(other, 5000)) differs("its window stayed");
        Sleep(300);
        if (!IsWindow(m_main)) return "the window closed";

        const std::vector<std::string> logAfter = Log();
        std::vector<std::string> added;
        if (e.clearsLog) {
            if (!logAfter.empty()) differs("log not cleared");
        } else if (logAfter.size() >= logBefore.size() &&
                   std::equal(logBefore.begin(), logBefore.end(), logAfter.begin())) {
            added.assign(logAfter.begin() + long(logBefore.size()), logAfter.end());
        } else {
            differs("earlier log lines changed");
        }
        if (job) {
            for (const std::string& line : e.log)
                if (line != "*" && std::find(added.begin(), added.end(), T(line)) == added.end())
                    differs("no log line '" + T(line) + "'");
        } else if (!e.clearsLog) {
            if (added.size() < e.log.size() || (!e.moreLog && added.size() != e.log.size()))
                differs(std::to_string(added.size()) + " new log lines, want " + std::to_string(e.log.size()) +
                        (e.moreLog ? " or more" : ""));
            for (size_t i = 0; i < e.log.size() && i < added.size(); ++i)
                if (e.log[i] != "*" && added[i] != T(e.log[i])) differs("log line '" + added[i] + "'");
        }
        const std::string want = e.status.empty() ? statusBefore : T(e.status);
        if (Status() != want) differs("status '" + Status() + "', want '" + want + "'");
        const std::map<int, bool> statesAfter = States(rows);
        for (const auto& [id, enabled] : statesBefore)
            if (statesAfter.at(id) != enabled && std::count(e.mayChange.begin(), e.mayChange.end(), id) == 0)
                differs("control " + std::to_string(id) + " changed state");
        if (wrong.empty() && !extra.empty()) std::printf("    (%s)\n", extra.c_str());
        return wrong;
    }

private:
    HWND m_main;
    settings::LanguageTable m_texts;
};

// "after" (a job has ended): only the idle states, Burn left to the size
// check; then the speed list as the speed-list builder leaves it.
int Walk(HWND main, const std::string& state, const char* language) {
    Walker walker(main, language);
    const std::vector<Row> rows = Table();
    const bool job = state == "job", after = state == "after";
    int failed = 0;
    for (const Row& row : rows) {
        const Effect& e = job ? row.job : row.idle;
        if (after && (row.id == IDC_BURN || row.Menu())) continue;
        const std::string wrong = walker.Check(row, e, rows, job, !after);
        const char* what = !e.usable ? "greyed" : after ? "usable" : e.routedOnly ? "routed only"
                           : e.opensWindow ? "opens its window" : e.notPressed ? "state only" : "pressed";
        std::printf("%s %s: %s%s%s\n", wrong.empty() ? "ok" : "FAIL", row.name, what, wrong.empty() ? "" : ": ",
                    wrong.c_str());
        failed += wrong.empty() ? 0 : 1;
    }
    if (!after) return failed;
    HWND speeds = GetDlgItem(main, IDC_SPEED_LIST);
    const long count = long(SendMessageA(speeds, CB_GETCOUNT, 0, 0));
    const bool usable = IsWindowEnabled(speeds) && count > 0;
    std::printf("%s speed list %s after the job, %ld speeds\n", usable ? "ok" : "FAIL",
                IsWindowEnabled(speeds) ? "usable" : "greyed", count);
    return failed + (usable ? 0 : 1);
}

void PrintRect(HWND hwnd, const char* tail = "\n") {
    RECT r;
    GetWindowRect(hwnd, &r);
    std::printf("%ld %ld %ld %ld%s", long(r.left), long(r.top), long(r.right), long(r.bottom), tail);
}

int Run(const std::string& verb, int argc, char** argv) {
    if (verb == "save-as" && argc >= 4) {
        HWND dialog = Find("Save As", Ms(argv[3]));
        HWND name = dialog ? GetDlgItem(dialog, 1148) : nullptr;  // the file-name box
        if (!name) return std::printf("no Save As dialog\n"), 1;
        Sleep(500);  // let the dialog finish its own start-up
        SendMessageA(name, WM_SETTEXT, 0, LPARAM(argv[2]));
        Press(dialog, IDOK);
        return 0;
    }
    if (verb == "about" && argc >= 3) {
        HWND box = Find("dialog", Ms(argv[2]));
        if (!box || !GetDlgItem(box, IDC_ABOUT_MAIL)) return std::printf("no About box\n"), 1;
        std::printf("title: %s\nversion: %s\n", TextOf(box).c_str(), TextOf(GetDlgItem(box, IDC_ABOUT_VERSION)).c_str());
        for (int id : {IDC_ABOUT_MAIL, IDC_ABOUT_HOMEPAGE}) {
            std::printf("link %d: ", id);
            PrintRect(GetDlgItem(box, id), " ");
            std::printf("%s\n", TextOf(GetDlgItem(box, id)).c_str());
        }
        return 0;
    }
    if (argc < 3) return kUsage;
    const bool waits = verb == "wait" || verb == "gone" || verb == "box" || verb == "answer";
    if (waits && argc < 4) return kUsage;
    if (verb == "gone") {
        for (const DWORD until = GetTickCount() + Ms(argv[3]); Find(argv[2], 0); Sleep(100))
            if (GetTickCount() > until) return std::printf("window \"%s\" is still there\n", argv[2]), 1;
        return 0;
    }
    HWND hwnd = Find(argv[2], waits ? Ms(argv[3]) : 0);
    if (!hwnd) return std::printf("no window \"%s\"\n", argv[2]), 1;
    if (verb == "wait") return 0;
    if (verb == "iconic") return IsIconic(hwnd) ? 0 : 1;
    if (verb == "idle") return SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, 20000, nullptr) ? 0 : 1;
    if (verb == "box" || verb == "answer") {
        if (verb == "answer") Sleep(300);
        std::printf("%s\n%s\n", TextOf(hwnd).c_str(), TextOf(GetDlgItem(hwnd, 0xFFFF)).c_str());
        if (verb == "box") return 0;
        Press(hwnd, argc >= 5 ? std::atoi(argv[4]) : DefaultButton(hwnd));
        return wintest::WaitGone(hwnd, 5000) ? 0 : 1;
    }
    if (verb == "close") return PostMessageA(hwnd, WM_CLOSE, 0, 0) ? 0 : 1;
    if (verb == "try-close") {
        PostMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);  // the system menu's Close
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
        Sleep(1500);
        const bool stays = IsWindow(hwnd) && IsWindowVisible(hwnd);
        return std::printf("%s\n", stays ? "the window stays" : "the window closed"), stays ? 0 : 1;
    }
    if (verb == "close-box") {
        // The middle of the caption bar's points that the window calls its close box.
        RECT frame;
        GetWindowRect(hwnd, &frame);
        long left = frame.right, right = frame.left, top = frame.bottom, bottom = frame.top;
        for (int y = frame.top; y < frame.top + 60; ++y)
            for (int x = frame.right - 1; x > frame.right - 100; --x)
                if (SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
                    left = std::min<long>(left, x), right = std::max<long>(right, x);
                    top = std::min<long>(top, y), bottom = std::max<long>(bottom, y);
                }
        if (left > right) return std::printf("no close box\n"), 1;
        return std::printf("%ld %ld\n", (left + right) / 2, (top + bottom) / 2), 0;
    }
    if (argc < 4) return kUsage;
    if (verb == "texts") return CompareTexts(hwnd, argv[3]);
    if (verb == "meter" && argc >= 6) return Meter(hwnd, std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]));
    if (verb == "walk" && argc >= 5) return Walk(hwnd, argv[3], argv[4]);
    if (verb == "text" && std::string(argv[3]) == "title") return std::printf("%s\n", TextOf(hwnd).c_str()), 0;
    const int id = std::atoi(argv[3]);
    HWND control = GetDlgItem(hwnd, id);
    if (verb == "command") return Press(hwnd, id), 0;
    if (!control) return std::printf("no control %d\n", id), 1;
    if (verb == "text") return std::printf("%s\n", TextOf(control).c_str()), 0;
    if (verb == "rect") return PrintRect(control), 0;
    if (verb == "checked") return std::printf("%d\n", int(SendMessageA(control, BM_GETCHECK, 0, 0))), 0;
    // Sent, not posted: the click has happened when the driver ends. A click
    // that closes a dialog returns once the dialog has ended.
    if (verb == "click") return SendMessageTimeoutA(control, BM_CLICK, 0, 0, SMTO_NORMAL, 10000, nullptr), 0;
    if (argc < 5) return kUsage;
    if (verb == "tip" || verb == "notip") {
        const DWORD until = GetTickCount() + Ms(argv[4]);
        HWND tip = nullptr;
        while (!(tip = VisibleTooltipOf(control)) && GetTickCount() < until) Sleep(100);
        if (tip) std::printf("%s\n", ToolText(tip, control).c_str());
        else if (verb == "tip") std::printf("no tooltip\n");
        return (tip != nullptr) == (verb == "tip") ? 0 : 1;
    }
    if (verb == "settext" || verb == "type") {
        SendMessageA(control, WM_SETTEXT, 0, LPARAM(argv[4]));
        if (verb == "type") SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), LPARAM(control));
        return 0;
    }
    if (verb == "select") {
        const LRESULT index = SendMessageA(control, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(argv[4]));
        if (index == CB_ERR) return std::printf("no entry \"%s\"\n", argv[4]), 1;
        SendMessageA(control, CB_SETCURSEL, WPARAM(index), 0);
        SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), LPARAM(control));
        return 0;
    }
    return kUsage;
}

}  // namespace

int Main(int argc, char** argv) {
    int status = Run(argc > 1 ? argv[1] : "", argc, argv);
    if (status == kUsage) status = (std::printf("usage: see the head of WindowDriver.cpp\n"), 2);
    std::fflush(stdout);
    return status;
}

}  // namespace bb::test

int main(int argc, char** argv) { return bb::test::Main(argc, argv); }
