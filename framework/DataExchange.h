// Data exchange between a dialog's members and its controls. DoDataExchange
// lists the pairs once; UpdateData(FALSE) pushes the members into the
// controls, UpdateData(TRUE) pulls them back and validates.
#pragma once

#include "framework/CString.h"
#include "framework/WinDefs.h"

namespace bb::framework {

class CDialog;

class CDataExchange {
public:
    CDataExchange(CDialog* dialog, bool saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    const bool m_bSaveAndValidate;  // true: controls -> members
    CDialog* const m_pDlgWnd;

    // A control's value did not validate: focus goes to it and the rest of
    // the exchange is skipped. (The message has already been shown.)
    void Fail(int controlId);
    [[nodiscard]] bool Failed() const { return m_failedId != 0; }
    [[nodiscard]] int FailedControl() const { return m_failedId; }

private:
    int m_failedId = 0;
};

// Edit text.
void DDX_Text(CDataExchange* pDX, int id, CString& value);
// Edit text as a signed decimal int. Anything else (or a number out of range)
// shows "Please enter an integer." and fails the exchange.
void DDX_Text(CDataExchange* pDX, int id, int& value);
// Check box state: 0, 1, or 2 (indeterminate).
void DDX_Check(CDataExchange* pDX, int id, int& value);
// Index of the checked radio of the group that starts at `firstId`; -1: none.
void DDX_Radio(CDataExchange* pDX, int firstId, int& value);
// Selected index of a combo box; -1: none.
void DDX_CBIndex(CDataExchange* pDX, int id, int& value);

// The integer parse of DDX_Text: optional blanks, optional sign, digits,
// optional blanks; within int range. False for anything else.
[[nodiscard]] bool ParseDialogInt(const char* text, int& value);

}  // namespace bb::framework
