// The notice shown before the system is shut down: a small window without a
// title bar that closes itself after m_nDelay seconds.
#pragma once

#include <atomic>
#include <memory>

#include "framework/CDialog.h"
#include "framework/CEvent.h"
#include "framework/CString.h"
#include "platform/headless/HeadlessTemplate.h"

namespace bb::app {

class CShutdownDlg : public framework::CDialog {
public:
    explicit CShutdownDlg(framework::CDialog* parent = nullptr);
    ~CShutdownDlg() override;

    // Returns once the window is gone and its delay thread has ended.
    int DoModal() override;

    int m_nDelay = 0;     // seconds until the window closes itself
    framework::CString m_strText;    // shown in IDC_SHUTDOWN_TEXT

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(framework::CDataExchange* pDX) override;
    // The window has no buttons: Return and Escape do not close it early.
    BOOL PreTranslateMessage(const framework::DialogMessage& message) override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    // Set when the window is gone before the delay ran out; ends the wait.
    framework::CEvent m_eventStop{false, true};
    // Set by the delay thread as the last thing it does.
    std::shared_ptr<framework::CEvent> m_threadEnded;
};

}  // namespace bb::app

namespace bb::app {
// The notice's template as the headless host models it.
platform::HeadlessDialogTemplate HeadlessShutdownDialog();
}  // namespace bb::app
