// The volume label handlers of compilation/ over a job's own values: what
// they change goes into the job's copy and is shown through the host.
#pragma once

#include <string>

#include "compilation/VolumeLabel.h"
#include "platform/Files.h"
#include "recording/JobHost.h"

namespace bb::recording {

class JobLabel final : public compilation::LabelWindow {
public:
    JobLabel(JobInputs& inputs, JobHost& host, const settings::LanguageTable& texts)
        : m_inputs(inputs), m_host(host), m_texts(texts) {}
    // The job's copy is the newest state of both texts.
    void PullValues() override {}
    void PushValues() override { m_host.ShowInputs(m_inputs); }
    std::string& Volume() override { return m_inputs.volume; }
    std::string& SourceDir() override { return m_inputs.sourceDir; }
    void SetLabelLengthText(const std::string& text) override { m_host.ShowLabelLength(text); }
    uint32_t GetMoreFlags() override { return m_inputs.moreFlags; }
    void CheckSourceSize() override {
        m_host.ShowInputs(m_inputs);
        m_host.CheckSourceSize();
    }
    int ShowMessage(const std::string& text, const std::string& caption, unsigned type) override {
        return m_host.Ask(text, caption, type);
    }
    void AppendLog(const std::string& line) override { m_host.LogLine(line); }
    const settings::LanguageTable& Texts() override { return m_texts; }
    platform::Files& Files() override { return platform::SystemFiles(); }

private:
    JobInputs& m_inputs;
    JobHost& m_host;
    const settings::LanguageTable& m_texts;
};

}  // namespace bb::recording
