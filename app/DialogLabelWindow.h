// The main window as the volume label handlers of compilation/ see it. The
// handlers work on std::string copies of the two texts; each pull takes the
// controls into the window's members and the copies, each push writes the
// copies back and shows them.
#pragma once

#include <string>

#include "app/BurnDlg.h"
#include "compilation/VolumeLabel.h"
#include "platform/Files.h"
#include "res/resource.h"
#include "settings/LanguageTable.h"
#include "settings/OtherSettings.h"

namespace bb::app {

class DialogLabelWindow final : public compilation::LabelWindow {
public:
    explicit DialogLabelWindow(CBurnDlg& dialog) : m_dialog(dialog) { Take(); }
    void PullValues() override {
        m_dialog.UpdateData(TRUE);
        Take();
    }
    void PushValues() override {
        m_dialog.m_strVolume = m_volume.c_str();
        m_dialog.m_strSourceDir = m_source.c_str();
        m_dialog.UpdateData(FALSE);
    }
    std::string& Volume() override { return m_volume; }
    std::string& SourceDir() override { return m_source; }
    void SetLabelLengthText(const std::string& text) override {
        m_dialog.SetDlgItemText(IDC_LABEL_LENGTH, text.c_str());
    }
    uint32_t GetMoreFlags() override { return m_dialog.m_pOtherDlg->GetMoreFlags(); }
    void CheckSourceSize() override {
        // The size gate reads the folder from the window's member.
        m_dialog.m_strSourceDir = m_source.c_str();
        m_dialog.CheckSourceSize();
    }
    int ShowMessage(const std::string& text, const std::string& caption, unsigned type) override {
        return m_dialog.ShowMessage(text.c_str(), caption.c_str(), type);
    }
    void AppendLog(const std::string& line) override { m_dialog.AppendLog(line.c_str()); }
    const settings::LanguageTable& Texts() override { return *m_dialog.m_pLanguage; }
    platform::Files& Files() override { return platform::SystemFiles(); }

private:
    void Take() {
        m_volume = m_dialog.m_strVolume.str();
        m_source = m_dialog.m_strSourceDir.str();
    }
    CBurnDlg& m_dialog;
    std::string m_volume;
    std::string m_source;
};

}  // namespace bb::app
