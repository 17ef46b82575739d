// Walks the running BrenvikBurn.exe from outside, as a user would: every
// button, check box, radio and menu command of the main window is pressed in
// the window's idle state or during a job (an erase), and what follows is checked
// against the table below: the box or window that opens, the log lines, the
// status line, and the enabled state of the other controls.
// <title> is a part of the main window's title.
//   MainWindowWalk walk <title> idle|job <english.lng>   the table, one line per row
//   MainWindowWalk after-job <title> <english.lng>       idle again, speeds offered
//   MainWindowWalk select <title> <recorder>             picks a recorder in the list
//   MainWindowWalk close <title>                         system-menu Close and WM_CLOSE;
//                                                        exit 0 when the window stays
//   MainWindowWalk close-box <title>                     prints the close box's screen point
//   MainWindowWalk answer <title> <seconds>              waits for a box of the program,
//                                                        prints it, presses its default
// Exit status: the number of rows that failed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/win32/app/window/OutsideWindow.h"

namespace bb::app {

namespace {

using app::test::TextOf;

constexpr unsigned kButtonsAndDefault = 0xF0F;

// What pressing a control does in one state of the window.
struct Effect {
    bool usable = true;            // false: greyed, a user cannot press it
    bool routedOnly = false;       // accepted; a window it opens is closed, not checked
    bool opensWindow = false;      // a window of its own opens, and is cancelled
    std::vector<int> mayChange;    // controls whose state the command may change
    unsigned box = 0;              // the box that asks, answered with its default (Enter)
    std::string boxCaption, boxText;
    bool opensPicker = false;      // a file or folder picker, cancelled
    std::string statusWhileOpen;   // the status line while the picker is open
    std::vector<std::string> log;  // the first new log lines ("*": any line)
    bool moreLog = false;          // further new lines may follow
    std::string status;            // the status line afterwards ("": unchanged)
    bool clearsLog = false;
    bool notPressed = false;       // Quit ends the walk: only its state is checked
};

struct Row {
    int id;  // control id, or menu command
    const char* name;
    bool menu;
    Effect idle, job;
};

Effect Unusable() {
    Effect e;
    e.usable = false;
    return e;
}
Effect Routed() {
    Effect e;
    e.routedOnly = true;
    return e;
}
Effect Opens(std::string statusAfter = "", std::vector<int> mayChange = {}) {
    Effect e;
    e.opensWindow = true;
    e.status = std::move(statusAfter);
    e.mayChange = std::move(mayChange);
    return e;
}
Effect Status(std::string statusAfter) {
    Effect e;
    e.status = std::move(statusAfter);
    return e;
}
Effect Logs(std::vector<std::string> lines, bool more = false) {
    Effect e;
    e.log = std::move(lines);
    e.moreLog = more;
    return e;
}
Effect Nothing() { return Effect{}; }
Effect Asks(unsigned type, std::string caption, std::string text, std::vector<std::string> log = {}) {
    Effect e;
    e.box = type;
    e.boxCaption = std::move(caption);
    e.boxText = std::move(text);
    e.log = std::move(log);
    return e;
}
Effect Picks(std::string statusWhileOpen, std::string statusAfter) {
    Effect e;
    e.opensPicker = true;
    e.statusWhileOpen = std::move(statusWhileOpen);
    e.status = std::move(statusAfter);
    return e;
}

// "#NNN" is language text NNN of the program's language file.
std::vector<Row> Table() {
    Effect clear;
    clear.clearsLog = true;
    Effect quit;
    quit.notPressed = true;
    Effect reallocOff = Asks(0x40, "Just 4 Info", "#640", {"#678"});
    return {
        // Recorder settings.
        {IDC_MEDIA_CD, "CD radio", false, Logs({"#676", "#660"}, true), Unusable()},
        {IDC_MEDIA_DVD, "DVD radio", false, Logs({"#674", "#660"}, true), Unusable()},
        {IDC_REFRESH, "refresh", false, Logs({"#660"}, true), Unusable()},
        {IDC_REALLOCATE, "Reallocate (off)", false, reallocOff, Unusable()},
        {IDC_REALLOCATE, "Reallocate (on)", false, Logs({"#680"}), Unusable()},
        {IDC_VERIFY, "Verify (on)", false, Nothing(), Unusable()},
        {IDC_VERIFY, "Verify (off)", false, Nothing(), Unusable()},
        // Erase.
        {IDC_FULL_ERASE, "Full Erase radio", false, Nothing(), Unusable()},
        {IDC_QUICK_ERASE, "Quick Erase radio", false, Nothing(), Unusable()},
        {IDC_ERASE, "Erase", false, Asks(0x124, "Erase ReWriteable", "#642"),
         Unusable()},
        // Burn.
        {IDC_BROWSE, "Directory", false, Picks("#764", "#766"), Unusable()},
        {IDC_SHUTDOWN, "Shutdown (on)", false, Logs({"*"}), Logs({"*"})},
        {IDC_SHUTDOWN, "Shutdown (off)", false, Nothing(), Nothing()},
        {IDC_BURN, "Burn", false, Unusable(), Unusable()},
        {IDC_EJECT, "eject", false, Nothing(), Unusable()},
        // An erase cannot be aborted; the Abort question during a burn is
        // checked on the headless host, where a burn lasts as long as a test needs.
        {IDC_ABORT, "Abort", false, Unusable(), Unusable()},
        // Log and the bottom row.
        {IDC_SAVE_LOG, "Save Log", false, Picks("Saving Log...", "Break..."), Unusable()},
        {IDC_CLEAR_LOG, "Clear Log", false, clear, clear},
        // Help starts the help viewer, a program of its own.
        {IDC_HELP_BUTTON, "Help", false, Routed(), Routed()},
        {IDC_ABOUT, "About", false, Opens("#766"), Unusable()},
        // Menu 118: the Settings pop-up is greyed during a job. After Other
        // Settings the size check runs again and sets Burn.
        {40001, "Settings > Filesystem Flags", true, Opens(), Unusable()},
        {40003, "Settings > Other Settings", true, Opens("", {IDC_BURN}), Unusable()},
        {40004, "Settings > Language", true, Opens(), Unusable()},
        {40005, "Settings > Audio", true, Opens(), Unusable()},
        {40002, "Settings > Save Settings", true, Status("#776"), Unusable()},
        {IDC_QUIT, "Quit", false, quit, Unusable()},
    };
}

std::map<int, std::string> ReadLanguage(const char* path) {
    std::map<int, std::string> texts;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t colon = line.find(": ");
        if (line.empty() || line[0] < '0' || line[0] > '9' || colon == std::string::npos) continue;
        std::string text = line.substr(colon + 2);
        for (size_t at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at))
            text.replace(at, 2, "\r\n");
        texts[std::atoi(line.c_str())] = text;
    }
    return texts;
}

class Walker {
public:
    Walker(HWND main, std::map<int, std::string> texts) : m_main(main), m_texts(std::move(texts)) {}

    std::string T(const std::string& spec) const {
        if (spec.size() < 2 || spec[0] != '#') return spec;
        auto it = m_texts.find(std::atoi(spec.c_str() + 1));
        return it == m_texts.end() ? "<no text " + spec + ">" : it->second;
    }

    // Whether a user can press the row's control now.
    // A menu's state cannot be read from another process under Wine: its
    // rows take the table's word and are pressed only where it says usable.
    bool Usable(const Row& row, const Effect& e) const {
        if (row.menu) return e.usable;
        return IsWindowEnabled(GetDlgItem(m_main, row.id)) != FALSE;
    }

    // The controls' enabled states, for the rows that may not change them.
    std::map<int, bool> States(const std::vector<Row>& rows) const {
        std::map<int, bool> states;
        for (const Row& r : rows)
            if (!r.menu) states[r.id] = IsWindowEnabled(GetDlgItem(m_main, r.id)) != FALSE;
        states[IDC_RECORDER_LIST] = IsWindowEnabled(GetDlgItem(m_main, IDC_RECORDER_LIST)) != FALSE;
        return states;
    }

    // Presses the row's control and checks what follows; "" when all is as
    // the row says, else what differs.
    // During a job the job's own lines go on arriving: the row's lines must
    // be among the new ones.
    std::string Check(const Row& row, const Effect& e, const std::vector<Row>& rows, bool job) {
        std::string wrong;
        auto differs = [&](const std::string& what) { wrong += (wrong.empty() ? "" : "; ") + what; };
        if (Usable(row, e) != e.usable) {
            differs(e.usable ? "greyed, the table says usable" : "usable, the table says greyed");
            return wrong;
        }
        if (!e.usable || e.notPressed) return wrong;  // a user cannot press it; nothing to follow

        const std::vector<std::string> logBefore = Log();
        const std::string statusBefore = Status();
        const std::map<int, bool> statesBefore = States(rows);
        Press(row);

        std::string extra;
        if (e.box != 0 || e.opensPicker || e.routedOnly || e.opensWindow) {
            HWND other = app::test::OtherWindow(m_main, e.routedOnly ? 1500 : 10000);
            if (e.box != 0) {
                if (!other) {
                    differs("no box");
                    return wrong;
                }
                const app::test::SeenBox box = app::test::ReadBox(other);
                // Buttons and default button; the icon is not readable from outside.
                if (box.type != (e.box & kButtonsAndDefault))
                    differs("box buttons/default 0x" + Hex(box.type) + ", want those of 0x" + Hex(e.box));
                if (box.caption != T(e.boxCaption)) differs("box caption '" + box.caption + "'");
                if (app::test::Plain(box.text) != app::test::Plain(T(e.boxText))) differs("box text '" + box.text + "'");
                app::test::PressDefault(other);
            } else if (e.opensPicker) {
                if (!other) {
                    differs("no picker");
                    return wrong;
                }
                Sleep(500);  // the picker's own start-up
                if (Status() != T(e.statusWhileOpen)) differs("status while open '" + Status() + "'");
                extra = "picker '" + TextOf(other) + "' cancelled";
                app::test::PressButton(other, IDCANCEL);
            } else if (e.opensWindow) {
                if (!other) {
                    differs("no window");
                    return wrong;
                }
                extra = "'" + TextOf(other) + "' cancelled";
                app::test::PressButton(other, IDCANCEL);
            } else if (other) {
                // The command reached a handler that opened its window: close it.
                extra = "opened '" + TextOf(other) + "'";
                app::test::PressButton(other, IDCANCEL);
            } else {
                extra = "accepted, no window yet";
            }
            if (other && !app::test::WaitGone(other, 5000)) differs("its window stayed");
        } else if (HWND other = app::test::OtherWindow(m_main, 700)) {
            differs("unexpected window '" + TextOf(other) + "'");
            app::test::PressButton(other, IDCANCEL);
            app::test::WaitGone(other, 5000);
        }
        Sleep(300);
        if (!IsWindow(m_main)) return "the window closed";

        const std::vector<std::string> logAfter = Log();
        if (e.clearsLog) {
            if (!logAfter.empty()) differs("log not cleared");
        } else {
            std::vector<std::string> added;
            if (logAfter.size() >= logBefore.size() &&
                std::equal(logBefore.begin(), logBefore.end(), logAfter.begin()))
                added.assign(logAfter.begin() + long(logBefore.size()), logAfter.end());
            else
                differs("earlier log lines changed");
            if (job) {
                for (const std::string& line : e.log)
                    if (line != "*" && std::find(added.begin(), added.end(), T(line)) == added.end())
                        differs("no log line '" + T(line) + "'");
            } else {
                if (added.size() < e.log.size() || (!e.moreLog && added.size() != e.log.size()))
                    differs(std::to_string(added.size()) + " new log lines, want " + std::to_string(e.log.size()) +
                            (e.moreLog ? " or more" : ""));
                for (size_t i = 0; i < e.log.size() && i < added.size(); ++i)
                    if (e.log[i] != "*" && added[i] != T(e.log[i])) differs("log line '" + added[i] + "'");
            }
        }
        const std::string want = e.status.empty() ? statusBefore : T(e.status);
        if (Status() != want) differs("status '" + Status() + "', want '" + want + "'");
        const std::map<int, bool> statesAfter = States(rows);
        for (const auto& [id, enabled] : statesBefore)
            if (statesAfter.at(id) != enabled &&
                std::find(e.mayChange.begin(), e.mayChange.end(), id) == e.mayChange.end())
                differs("control " + std::to_string(id) + " changed state");
        if (wrong.empty() && !extra.empty()) std::printf("    (%s)\n", extra.c_str());
        return wrong;
    }

    std::vector<std::string> Log() const { return app::test::LinesOf(TextOf(GetDlgItem(m_main, IDC_LOG))); }
    std::string Status() const { return TextOf(GetDlgItem(m_main, IDC_STATUS)); }

private:
    static std::string Hex(unsigned value) {
        char text[16];
        std::snprintf(text, sizeof text, "%x", value);
        return text;
    }

    void Press(const Row& row) const {
        if (row.menu) {
            PostMessageA(m_main, WM_COMMAND, MAKEWPARAM(row.id, 0), 0);
            return;
        }
        // Posted: the handler may ask before it returns. The button checks
        // and unchecks itself (check boxes, radios) as under the mouse.
        PostMessageA(GetDlgItem(m_main, row.id), BM_CLICK, 0, 0);
    }

    HWND m_main;
    std::map<int, std::string> m_texts;
};

HWND FindMain(const char* title) {
    for (int i = 0; i < 100; ++i) {
        if (HWND hwnd = app::test::FindMain(title, IDC_LOG)) return hwnd;
        Sleep(100);
    }
    std::printf("no window \"%s\"\n", title);
    return nullptr;
}

int Walk(HWND main, bool job, const char* language) {
    Walker walker(main, ReadLanguage(language));
    const std::vector<Row> rows = Table();
    int failed = 0;
    for (const Row& row : rows) {
        const Effect& e = job ? row.job : row.idle;
        const std::string wrong = walker.Check(row, e, rows, job);
        const char* what = !e.usable        ? "greyed"
                           : e.routedOnly    ? "routed only"
                           : e.opensWindow   ? "opens its window"
                           : e.notPressed    ? "state only"
                                             : "pressed";
        std::printf("%s %s: %s%s%s\n", wrong.empty() ? "ok" : "FAIL", row.name, what, wrong.empty() ? "" : ": ",
                    wrong.c_str());
        failed += wrong.empty() ? 0 : 1;
    }
    return failed;
}

// After a job: the idle state of the table, and the speed list as the
// speed-list builder leaves it for a recorder with speeds.
int AfterJob(HWND main, const char* language) {
    Walker walker(main, ReadLanguage(language));
    int failed = 0;
    for (const Row& row : Table()) {
        if (row.id == IDC_BURN) continue;  // decided by the size check
        if (row.menu) continue;
        if (walker.Usable(row, row.idle) != row.idle.usable) {
            std::printf("FAIL %s: %s after the job\n", row.name, row.idle.usable ? "greyed" : "usable");
            ++failed;
        }
    }
    HWND speeds = GetDlgItem(main, IDC_SPEED_LIST);
    const LRESULT count = SendMessageA(speeds, CB_GETCOUNT, 0, 0);
    if (!IsWindowEnabled(speeds) || count <= 0) {
        std::printf("FAIL speed list: %s, %ld speeds after the job\n", IsWindowEnabled(speeds) ? "usable" : "greyed",
                    long(count));
        ++failed;
    } else {
        std::printf("ok speed list usable after the job, %ld speeds\n", long(count));
    }
    return failed;
}

}  // namespace

int Main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    HWND main = argc > 2 ? FindMain(argv[2]) : nullptr;
    if (argc > 2 && !main) return 1;
    if (command == "walk" && argc >= 5) return Walk(main, std::string(argv[3]) == "job", argv[4]);
    if (command == "after-job" && argc >= 4) return AfterJob(main, argv[3]);
    if (command == "select" && argc >= 4) {
        HWND list = GetDlgItem(main, IDC_RECORDER_LIST);
        if (SendMessageA(list, CB_SELECTSTRING, WPARAM(-1), LPARAM(argv[3])) == CB_ERR) {
            std::printf("no recorder \"%s\"\n", argv[3]);
            return 1;
        }
        SendMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_RECORDER_LIST, CBN_SELCHANGE), LPARAM(list));
        return 0;
    }
    if (command == "answer" && argc >= 4) {
        HWND box = app::test::OtherWindow(main, DWORD(std::atoi(argv[3])) * 1000);
        if (!box) {
            std::printf("no box\n");
            return 1;
        }
        Sleep(300);
        const app::test::SeenBox seen = app::test::ReadBox(box);
        std::printf("'%s': %s\n", seen.caption.c_str(), seen.text.c_str());
        app::test::PressDefault(box);
        return app::test::WaitGone(box, 5000) ? 0 : 1;
    }
    if (command == "close" && argc >= 3) {
        PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);  // the system menu's Close
        PostMessageA(main, WM_CLOSE, 0, 0);
        Sleep(1500);
        const bool stays = IsWindow(main) && IsWindowVisible(main);
        std::printf("%s\n", stays ? "the window stays" : "the window closed");
        return stays ? 0 : 1;
    }
    if (command == "close-box" && argc >= 3) {
        // The point of the caption bar that the window calls its close box.
        RECT frame;
        GetWindowRect(main, &frame);
        long left = frame.right, right = frame.left, top = frame.bottom, bottom = frame.top;
        for (int y = frame.top; y < frame.top + 60; ++y)
            for (int x = frame.right - 1; x > frame.right - 100; --x)
                if (SendMessageA(main, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
                    left = std::min<long>(left, x), right = std::max<long>(right, x);
                    top = std::min<long>(top, y), bottom = std::max<long>(bottom, y);
                }
        if (left > right) {
            std::printf("no close box\n");
            return 1;
        }
        std::printf("%ld %ld\n", (left + right) / 2, (top + bottom) / 2);
        return 0;
    }
    std::printf("usage: see the top of MainWindowWalk.cpp\n");
    return 2;
}

}  // namespace bb::app

int main(int argc, char** argv) { return bb::app::Main(argc, argv); }
