#include "platform/headless/HeadlessDialogHost.h"

#include <algorithm>
#include <memory>

#include "framework/CDialog.h"
#include "framework/MessageBoxType.h"
#include "framework/UiHandoff.h"
#include "framework/WinDefs.h"
#include "platform/headless/HeadlessUi.h"

namespace bb::platform {

namespace {

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    if (prefix.size() > text.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(text[i]) != lower(prefix[i])) return false;
    }
    return true;
}

int CountLines(const std::string& text) {
    int lines = 1;
    for (size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += 2) ++lines;
    return lines;
}

}  // namespace

HeadlessDialogHost::HeadlessDialogHost(HeadlessUi& ui, framework::CDialog& dialog)
    : m_ui(ui), m_dialog(dialog), m_templateId(dialog.GetTemplateId()) {
    const HeadlessDialogTemplate* t = ui.FindTemplate(m_templateId);
    if (!t) return;
    m_title = t->caption;
    for (const HeadlessControlTemplate& c : t->controls) {
        Control& control = m_controls[c.id];
        control.kind = c.kind;
        control.text = c.caption;
        control.enabled = !c.disabled;
        control.group = c.group;
        m_order.push_back(c.id);
    }
    if (!t->menuPopupCaption.empty()) {
        m_popups.push_back({0, t->menuPopupCaption, true});
        for (const HeadlessMenuItemTemplate& item : t->menuItems) {
            if (item.command != 0) m_menuItems.push_back({item.command, item.caption, true});
        }
    }
}

HeadlessDialogHost::~HeadlessDialogHost() {
    m_ui.KillTimers(this);
}

HeadlessDialogHost::Control& HeadlessDialogHost::At(int id) {
    auto [it, added] = m_controls.try_emplace(id);
    if (added) m_order.push_back(id);
    return it->second;
}

// --- lifetime ------------------------------------------------------------------------

void HeadlessDialogHost::Initialise() {
    m_ui.EnterUi();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_open = true;
        m_ended = false;
    }
    m_dialog.HostInitDialog();
    if (HeadlessUi::Script script = m_ui.TakeScript(m_templateId)) script(*this);
    DestroyIfEndedOutsideLoop();
}

void HeadlessDialogHost::DestroyIfEndedOutsideLoop() {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_modal && m_ended) m_open = false;
}

void HeadlessDialogHost::DeliverTimer(int id) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_ended || !m_timers.count(id)) return;
    }
    m_dialog.HostTimer(id);
}

int HeadlessDialogHost::RunModal(framework::CDialog&) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_modal = true;
    }
    Initialise();
    m_ui.RunLoop([this] { return Ended(); });
    m_ui.KillTimers(this);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_open = false;
    m_timers.clear();
    return m_result;
}

void HeadlessDialogHost::EndDialog(int result) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_ended) return;
        m_ended = true;
        m_result = result;
    }
    m_ui.Wake();
}

bool HeadlessDialogHost::IsOpen() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_open;
}

bool HeadlessDialogHost::Ended() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_ended;
}

int HeadlessDialogHost::Result() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_result;
}

void HeadlessDialogHost::Post(std::function<void()> work) {
    m_ui.Post(std::move(work));
}

bool HeadlessDialogHost::HasPendingMessage() {
    return m_ui.HasPendingMessage();
}

bool HeadlessDialogHost::PumpMessage() {
    return m_ui.PumpMessage();
}

// --- the test's hands ------------------------------------------------------------------

void HeadlessDialogHost::OnUi(const std::function<void()>& action) {
    if (m_ui.OnUiThread() || !IsOpen()) {
        action();
        DestroyIfEndedOutsideLoop();
        return;
    }
    // The dialog may close before the loop gets to the action; then the
    // action is abandoned (it refers to the caller's frame) and not run.
    (void)framework::RunOnOtherThreadAndWait([this](std::function<void()> call) { m_ui.Post(std::move(call)); }, action,
                                             [this] { return !IsOpen(); });
}

bool HeadlessDialogHost::Click(int id) {
    bool clicked = false;
    OnUi([&] {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_ended) return;
            Control& c = At(id);
            if (!c.enabled) return;
            if (c.kind == HeadlessKind::CheckBox) {
                c.check = c.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
            } else if (c.kind == HeadlessKind::RadioButton) {
                // The group is found from its first radio: walk back to it.
                auto at = std::find(m_order.begin(), m_order.end(), id);
                while (at != m_order.begin() && !m_controls[*at].group &&
                       m_controls[*(at - 1)].kind == HeadlessKind::RadioButton) {
                    --at;
                }
                for (int member : RadioGroupIds(*at)) m_controls[member].check = member == id ? BST_CHECKED : BST_UNCHECKED;
            }
            m_focus = id;
        }
        clicked = true;
        m_dialog.HostCommand(id, BN_CLICKED);
    });
    return clicked;
}

bool HeadlessDialogHost::ChooseMenu(int command) {
    bool chosen = false;
    OnUi([&] {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_ended) return;
            const bool popupEnabled = m_popups.empty() || m_popups.front().enabled;
            if (!popupEnabled || !MenuCommand(command).enabled) return;
        }
        chosen = true;
        m_dialog.HostCommand(command, 0);
    });
    return chosen;
}

bool HeadlessDialogHost::SysCommand(int command) {
    bool handled = false;
    OnUi([&] {
        if (command == SC_CLOSE) {
            // The system menu's Close: the default window procedure turns it
            // into the close message.
            if (!Ended()) m_dialog.HostClose();
            handled = true;
            return;
        }
        handled = m_dialog.HostSysCommand(command) != FALSE;
    });
    return handled;
}

bool HeadlessDialogHost::Type(int id, const std::string& text, bool leave) {
    bool typed = false;
    OnUi([&] {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_ended || !At(id).enabled) return;
            SetTextLocked(id, text);
            m_focus = id;
        }
        typed = true;
        m_dialog.HostCommand(id, EN_CHANGE);
    });
    return typed && (!leave || LeaveEdit(id));
}

bool HeadlessDialogHost::LeaveEdit(int id) {
    bool left = false;
    OnUi([&] {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_ended) return;
            if (m_focus == id) m_focus = 0;
        }
        left = true;
        m_dialog.HostCommand(id, EN_KILLFOCUS);
    });
    return left;
}

bool HeadlessDialogHost::SelectCombo(int id, int index) {
    bool selected = false;
    OnUi([&] {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            Control& c = At(id);
            if (m_ended || !c.enabled || index < 0 || index >= int(c.items.size())) return;
            c.curSel = index;
            c.text = c.items[size_t(index)].first;
        }
        selected = true;
        m_dialog.HostCommand(id, CBN_SELCHANGE);
    });
    return selected;
}

bool HeadlessDialogHost::PressKey(int virtualKey, bool alt) {
    bool swallowed = false;
    OnUi([&] {
        int focus = 0;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_ended) return;
            m_keysDown = {virtualKey};
            if (alt) m_keysDown.insert(VK_MENU);
            focus = m_focus;
        }
        framework::DialogMessage message;
        message.kind = alt ? framework::DialogMessage::Kind::SysKeyDown : framework::DialogMessage::Kind::KeyDown;
        message.key = virtualKey;
        message.altDown = alt;
        message.controlId = focus;
        swallowed = m_dialog.HostPreTranslate(message) != FALSE;
        if (!swallowed) {
            if (alt && virtualKey == VK_F4) {
                m_dialog.HostClose();
            } else if (!alt && virtualKey == VK_ESCAPE) {
                m_dialog.HostCommand(IDCANCEL, BN_CLICKED);
            } else if (!alt && virtualKey == VK_RETURN) {
                m_dialog.HostCommand(IDOK, BN_CLICKED);
            }
        }
        std::lock_guard<std::mutex> lock(m_mutex);
        m_keysDown.clear();
    });
    return swallowed;
}

void HeadlessDialogHost::Close() {
    OnUi([&] {
        if (!Ended()) m_dialog.HostClose();
    });
}

void HeadlessDialogHost::DropFiles(const std::vector<framework::CString>& paths) {
    OnUi([&] {
        if (!Ended()) m_dialog.HostDropFiles(paths);
    });
}

// --- texts and states ------------------------------------------------------------------------

void HeadlessDialogHost::SetTextLocked(int id, std::string text) {
    Control& c = At(id);
    c.text = std::move(text);
}

std::string HeadlessDialogHost::GetItemText(int id) {
    std::lock_guard<std::mutex> lock(m_mutex);
    return At(id).text;
}

void HeadlessDialogHost::SetItemText(int id, const std::string& text) {
    std::lock_guard<std::mutex> lock(m_mutex);
    SetTextLocked(id, text);
}

void HeadlessDialogHost::EnableItem(int id, bool enable) {
    std::lock_guard<std::mutex> lock(m_mutex);
    At(id).enabled = enable;
}

bool HeadlessDialogHost::IsItemEnabled(int id) {
    std::lock_guard<std::mutex> lock(m_mutex);
    return At(id).enabled;
}

bool HeadlessDialogHost::HasItem(int id) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_controls.count(id) != 0;
}

void HeadlessDialogHost::SetFocusItem(int id) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_focus = id;
}

int HeadlessDialogHost::FocusedItem() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_focus;
}

void HeadlessDialogHost::SetCheck(int id, int state) {
    std::lock_guard<std::mutex> lock(m_mutex);
    At(id).check = state;
}

int HeadlessDialogHost::GetCheck(int id) {
    std::lock_guard<std::mutex> lock(m_mutex);
    return At(id).check;
}

std::vector<int> HeadlessDialogHost::RadioGroupIds(int firstId) {
    At(firstId);
    auto at = std::find(m_order.begin(), m_order.end(), firstId);
    std::vector<int> ids{firstId};
    for (++at; at != m_order.end(); ++at) {
        const Control& c = m_controls[*at];
        if (c.kind != HeadlessKind::RadioButton || c.group) break;
        ids.push_back(*at);
    }
    return ids;
}

int HeadlessDialogHost::GetRadioIndex(int firstId) {
    std::lock_guard<std::mutex> lock(m_mutex);
    const std::vector<int> ids = RadioGroupIds(firstId);
    for (size_t i = 0; i < ids.size(); ++i) {
        if (m_controls[ids[i]].check == BST_CHECKED) return int(i);
    }
    return -1;
}

void HeadlessDialogHost::SetRadioIndex(int firstId, int index) {
    std::lock_guard<std::mutex> lock(m_mutex);
    const std::vector<int> ids = RadioGroupIds(firstId);
    for (size_t i = 0; i < ids.size(); ++i) m_controls[ids[i]].check = int(i) == index ? BST_CHECKED : BST_UNCHECKED;
}

// --- combo boxes -------------------------------------------------------------------------------

void HeadlessDialogHost::ComboResetContent(int id) {
    std::lock_guard<std::mutex> lock(m_mutex);
    Control& c = At(id);
    c.items.clear();
    c.curSel = -1;
    c.text.clear();
}

int HeadlessDialogHost::ComboAddString(int id, const std::string& text) {
    std::lock_guard<std::mutex> lock(m_mutex);
    Control& c = At(id);
    c.items.emplace_back(text, 0);
    return int(c.items.size()) - 1;
}

bool HeadlessDialogHost::ComboSetItemData(int id, int index, uintptr_t data) {
    std::lock_guard<std::mutex> lock(m_mutex);
    Control& c = At(id);
    if (index < 0 || index >= int(c.items.size())) return false;
    c.items[size_t(index)].second = data;
    return true;
}

uintptr_t HeadlessDialogHost::ComboGetItemData(int id, int index) {
    std::lock_guard<std::mutex> lock(m_mutex);
    Control& c = At(id);
    // CB_ERR as the data, as the Win32 list answers for a bad index.
    if (index < 0 || index >= int(c.items.size())) return uintptr_t(CB_ERR);
    return c.items[size_t(index)].second;
}

int HeadlessDialogHost::ComboSetCurSel(int id, int index) {
    std::lock_guard<std::mutex> lock(m_mutex);
    Control& c = At(id);
    if (index < 0 || index >= int(c.items.size())) {
        c.curSel = -1;
        c.text.clear();
        return CB_ERR;
    }
    c.curSel = index;
    c.text = c.items[size_t(index)].first;
    return index;
}

int HeadlessDialogHost::ComboGetCurSel(int id) {
    std::lock_guard<std::mutex> lock(m_mutex);
    return At(id).curSel;
}

int HeadlessDialogHost::ComboGetCount(int id) {
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(At(id).items.size());
}

std::string HeadlessDialogHost::ComboGetText(int id, int index) {
    std::lock_guard<std::mutex> lock(m_mutex);
    Control& c = At(id);
    if (index < 0 || index >= int(c.items.size())) return {};
    return c.items[size_t(index)].first;
}

int HeadlessDialogHost::ComboSelectString(int id, int startAfter, const std::string& prefix) {
    std::lock_guard<std::mutex> lock(m_mutex);
    Control& c = At(id);
    const int count = int(c.items.size());
    const int start = startAfter >= 0 && startAfter < count ? startAfter + 1 : 0;
    for (int n = 0; n < count; ++n) {
        const int i = (start + n) % count;
        if (StartsWithNoCase(c.items[size_t(i)].first, prefix)) {
            c.curSel = i;
            c.text = c.items[size_t(i)].first;
            return i;
        }
    }
    return CB_ERR;
}

std::vector<std::pair<std::string, uintptr_t>> HeadlessDialogHost::ComboItems(int id) {
    std::lock_guard<std::mutex> lock(m_mutex);
    return At(id).items;
}

// --- progress bars -----------------------------------------------------------------------------

void HeadlessDialogHost::ProgressSetRange(int id, int low, int high) {
    std::lock_guard<std::mutex> lock(m_mutex);
    Control& c = At(id);
    c.low = low;
    c.high = high;
    c.pos = std::clamp(c.pos, std::min(low, high), std::max(low, high));
}

void HeadlessDialogHost::ProgressSetPos(int id, int pos) {
    std::lock_guard<std::mutex> lock(m_mutex);
    Control& c = At(id);
    // The bar keeps its position inside its range, like the common control.
    c.pos = std::clamp(pos, std::min(c.low, c.high), std::max(c.low, c.high));
}

int HeadlessDialogHost::ProgressGetPos(int id) {
    std::lock_guard<std::mutex> lock(m_mutex);
    return At(id).pos;
}

std::pair<int, int> HeadlessDialogHost::ProgressGetRange(int id) {
    std::lock_guard<std::mutex> lock(m_mutex);
    const Control& c = At(id);
    return {c.low, c.high};
}

// --- multi-line edits --------------------------------------------------------------------------

void HeadlessDialogHost::EditAppendLine(int id, const std::string& line) {
    std::lock_guard<std::mutex> lock(m_mutex);
    Control& c = At(id);
    std::string added = c.text.empty() ? line : "\r\n" + line;
    // EM_REPLACESEL inserts only what fits under the limit.
    const size_t room = c.text.size() < c.textLimit ? c.textLimit - c.text.size() : 0;
    if (added.size() > room) added.resize(room);
    c.text += added;
    c.firstVisible = CountLines(c.text) - 1;
}

void HeadlessDialogHost::EditSetLimitText(int id, unsigned limit) {
    std::lock_guard<std::mutex> lock(m_mutex);
    At(id).textLimit = limit == 0 ? SIZE_MAX : limit;
}

int HeadlessDialogHost::EditGetLineCount(int id) {
    std::lock_guard<std::mutex> lock(m_mutex);
    return CountLines(At(id).text);
}

void HeadlessDialogHost::EditLineScroll(int id, int lines) {
    std::lock_guard<std::mutex> lock(m_mutex);
    Control& c = At(id);
    c.firstVisible = std::clamp(c.firstVisible + lines, 0, CountLines(c.text) - 1);
}

int HeadlessDialogHost::EditGetFirstVisibleLine(int id) {
    std::lock_guard<std::mutex> lock(m_mutex);
    Control& c = At(id);
    return std::min(c.firstVisible, CountLines(c.text) - 1);
}

std::vector<std::string> HeadlessDialogHost::Lines(int id) {
    std::lock_guard<std::mutex> lock(m_mutex);
    const std::string& text = At(id).text;
    std::vector<std::string> lines;
    if (text.empty()) return lines;
    size_t from = 0;
    for (size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2) {
        lines.push_back(text.substr(from, at - from));
    }
    lines.push_back(text.substr(from));
    return lines;
}

// --- menus ---------------------------------------------------------------------------------------

HeadlessDialogHost::MenuItem& HeadlessDialogHost::MenuCommand(int command) {
    for (MenuItem& item : m_menuItems) {
        if (item.command == command) return item;
    }
    m_menuItems.push_back({command, {}, true});
    return m_menuItems.back();
}

HeadlessDialogHost::MenuItem& HeadlessDialogHost::MenuPopup(int position) {
    if (position >= int(m_popups.size())) m_popups.resize(size_t(std::max(position, 0)) + 1);
    return m_popups[size_t(std::max(position, 0))];
}

void HeadlessDialogHost::MenuSetTextByCommand(int command, const std::string& text) {
    std::lock_guard<std::mutex> lock(m_mutex);
    MenuCommand(command).text = text;
}

void HeadlessDialogHost::MenuSetTextByPosition(int position, const std::string& text) {
    std::lock_guard<std::mutex> lock(m_mutex);
    MenuPopup(position).text = text;
}

void HeadlessDialogHost::MenuEnableByCommand(int command, bool enable) {
    std::lock_guard<std::mutex> lock(m_mutex);
    MenuCommand(command).enabled = enable;
}

void HeadlessDialogHost::MenuEnableByPosition(int position, bool enable) {
    std::lock_guard<std::mutex> lock(m_mutex);
    MenuPopup(position).enabled = enable;
}

std::string HeadlessDialogHost::MenuGetTextByCommand(int command) {
    std::lock_guard<std::mutex> lock(m_mutex);
    return MenuCommand(command).text;
}

std::string HeadlessDialogHost::MenuGetTextByPosition(int position) {
    std::lock_guard<std::mutex> lock(m_mutex);
    return MenuPopup(position).text;
}

bool HeadlessDialogHost::MenuIsEnabledByCommand(int command) {
    std::lock_guard<std::mutex> lock(m_mutex);
    return MenuCommand(command).enabled;
}

bool HeadlessDialogHost::MenuIsEnabledByPosition(int position) {
    std::lock_guard<std::mutex> lock(m_mutex);
    return MenuPopup(position).enabled;
}

void HeadlessDialogHost::SystemMenuAppend(int command, const std::string& text) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_systemMenu.emplace_back(command, text);
}

std::vector<std::pair<int, std::string>> HeadlessDialogHost::SystemMenuItems() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_systemMenu;
}

// --- window ----------------------------------------------------------------------------------------

void HeadlessDialogHost::SetTitle(const std::string& title) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_title == title) return;
    m_title = title;
}

std::string HeadlessDialogHost::GetTitle() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_title;
}

void HeadlessDialogHost::ShowWindow(int showCommand) {
    std::lock_guard<std::mutex> lock(m_mutex);
    switch (showCommand) {
    case SW_HIDE: m_showState = SW_HIDE; break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case 7:  // SW_SHOWMINNOACTIVE
        m_showState = SW_SHOWMINIMIZED;
        break;
    case SW_SHOW:  // shows the window in the state it was in
        if (m_showState == SW_HIDE) m_showState = SW_SHOWNORMAL;
        break;
    default: m_showState = SW_SHOWNORMAL; break;
    }
}

int HeadlessDialogHost::GetShowState() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_showState;
}

void HeadlessDialogHost::SetIcon(int iconResourceId) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_icon = iconResourceId;
}

int HeadlessDialogHost::Icon() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_icon;
}

void HeadlessDialogHost::Beep() {
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_beeps;
}

int HeadlessDialogHost::Beeps() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_beeps;
}

int HeadlessDialogHost::ShowMessageBox(const std::string& text, const std::string& caption, unsigned type) {
    return m_ui.ShowMessageBox(m_templateId, text, caption, type);
}

bool HeadlessDialogHost::SetTimer(int id, unsigned intervalMs) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_ended) return false;
        m_timers.insert(id);
    }
    m_ui.SetTimer(this, id, intervalMs);
    return true;
}

void HeadlessDialogHost::KillTimer(int id) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_timers.erase(id);
    }
    m_ui.KillTimer(this, id);
}

bool HeadlessDialogHost::HasTimer(int id) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_timers.count(id) != 0;
}

bool HeadlessDialogHost::IsKeyDown(int virtualKey) {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_keysDown.count(virtualKey) != 0;
}

}  // namespace bb::platform
