// The volume label handlers of the main window: normalising the label,
// deriving it from a folder, the remaining-length display, the check before
// a burn, and the reactions to the two edits losing focus and to a drop.
//
// The window implements LabelWindow; each function does what its handler of
// the same name does, in the same order of pulling and pushing the values.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bb::settings { class LanguageTable; }

namespace bb::platform {
class Files;
}

namespace bb::compilation {


// What the label handlers need from the main window.
class LabelWindow {
public:
    virtual ~LabelWindow() = default;
    virtual void PullValues() = 0;  // controls into members
    virtual void PushValues() = 0;  // members into controls
    virtual std::string& Volume() = 0;     // m_strVolume (edit 1027)
    virtual std::string& SourceDir() = 0;  // m_strSourceDir (edit 1002)
    // The text of the remaining-length display (static 1104); shown by the
    // next PushValues.
    virtual void SetLabelLengthText(const std::string& text) = 0;
    virtual uint32_t GetMoreFlags() = 0;   // of the Other Settings holder
    virtual void CheckSourceSize() = 0;    // the size gate
    virtual int ShowMessage(const std::string& text, const std::string& caption,
                            unsigned type) = 0;
    virtual void AppendLog(const std::string& line) = 0;
    virtual const settings::LanguageTable& Texts() = 0;
    virtual platform::Files& Files() = 0;  // asked for drive volume names
};

// `text` normalised for the current limit; shows the "label too long" box
// (text 622, "Information", 0x40) when it had to be cut.
std::string NormalizeVolumeLabel(LabelWindow& w, std::string_view text);

// The label from a folder: its last component, or the volume name when the
// folder is a drive root (or "NO_NAME" when that cannot be read).
void DeriveVolumeLabel(LabelWindow& w, const std::string& path);

// The limit minus the label's length, as "%d" (negative while too long).
void UpdateLabelLength(LabelWindow& w);

// Normalises the label and shows it. 0 when it holds only "A-Z_0-9"; else
// -1 after the error box (text 594, "Error!", 0x10) and the log line (text
// 596) about the first offending character, by its byte value 0..255.
[[nodiscard]] int CheckVolumeLabel(LabelWindow& w);

void OnVolumeKillFocus(LabelWindow& w);
void OnSourceKillFocus(LabelWindow& w);
// `dropped` are the paths of one drop; only a drop of exactly one is taken,
// and its label comes from the folder name alone (no volume name is asked
// for). The window releases the drop itself in any case.
void OnDropFiles(LabelWindow& w, const std::vector<std::string>& dropped);

}  // namespace bb::compilation
