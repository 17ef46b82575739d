// Small dialogs and templates shared by the framework tests.
#pragma once

#include "framework/CDialog.h"
#include "platform/headless/HeadlessTemplate.h"

namespace bb::framework::test {

enum : int {
    kTemplate = 300,
    kChildTemplate = 301,
    kName = 1001,
    kCount = 1002,
    kFlag = 1003,
    kModeA = 1004,  // radio group of three
    kModeB = 1005,
    kModeC = 1006,
    kOther = 1007,  // a radio starting its own group
    kSpeed = 1008,
    kLog = 1009,
    kProgress = 1010,
    kOpenChild = 1011,
    kAbort = 1012,
    kMenuSettings = 40001,
};

inline platform::HeadlessDialogTemplate Template() {
    using K = platform::HeadlessKind;
    platform::HeadlessDialogTemplate t;
    t.id = kTemplate;
    t.caption = "Test";
    t.controls = {
        {kName, K::Edit, "", false, true},
        {kCount, K::Edit, "", false, false},
        {kFlag, K::CheckBox, "&Flag", false, false},
        {kModeA, K::RadioButton, "A", false, true},
        {kModeB, K::RadioButton, "B", false, false},
        {kModeC, K::RadioButton, "C", false, false},
        {kOther, K::RadioButton, "Other", false, true},
        {kSpeed, K::ComboBox, "", false, true},
        {kLog, K::MultiLineEdit, "", false, false},
        {kProgress, K::ProgressBar, "", false, false},
        {kOpenChild, K::PushButton, "Child", false, false},
        {kAbort, K::PushButton, "Abort", true, false},
        {IDOK, K::PushButton, "OK", false, false},
        {IDCANCEL, K::PushButton, "Cancel", false, false},
    };
    t.menuPopupCaption = "Settings";
    t.menuItems = {{kMenuSettings, "Filesystem Flags"}, {0, ""}};
    return t;
}

// A settings-like dialog with one member of each exchange kind.
class ExchangeDialog : public CDialog {
public:
    explicit ExchangeDialog(int templateId = kTemplate) : CDialog(templateId) {}
    CString m_strName = "UNDEFINED";
    int m_nCount = 650;
    int m_bFlag = 1;
    int m_nMode = 1;
    int m_nSpeed = -1;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, kName, m_strName);
        DDX_Text(pDX, kCount, m_nCount);
        DDX_Check(pDX, kFlag, m_bFlag);
        DDX_Radio(pDX, kModeA, m_nMode);
        DDX_CBIndex(pDX, kSpeed, m_nSpeed);
    }
};

}  // namespace bb::framework::test
