#include "compilation/VolumeLabel.h"

#include "compilation/LabelText.h"
#include "framework/CheckedFormat.h"
#include "framework/WinDefs.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "res/BoxStyles.h"
#include "res/OwnTexts.h"
#include "res/TextIds.h"
#include "settings/LanguageTable.h"

namespace bb::compilation {

std::string NormalizeVolumeLabel(LabelWindow& w, std::string_view text) {
    const int limit = LabelLimit(w.GetMoreFlags());
    NormalizedLabel result = NormalizeLabelText(text, limit, NativeLabelEncoding());
    if (result.truncated)
        w.ShowMessage(framework::Format(w.Texts().GetText(res::kTxtLabelTooLong), {limit}),
                      res::kCaptionInformation, res::kBoxInformation);
    return result.label;
}

void DeriveVolumeLabel(LabelWindow& w, const std::string& path) {
    std::string volume = LastPathComponent(path);
    if (volume.empty() || volume.find(':') != std::string::npos) {
        // A drive root such as D:\ is named by its volume.
        std::string root = path;
        while (!root.empty() && (root.back() == ' ' || (root.back() >= '\t' && root.back() <= '\r')))
            root.pop_back();
        if (root.empty() || root.back() != platform::kPathSeparator)
            root += platform::kPathSeparator;
        if (auto name = w.Files().VolumeName(root))
            volume = *name;
    }
    w.Volume() = NormalizeVolumeLabel(w, volume);
    w.PushValues();
    UpdateLabelLength(w);
}

void UpdateLabelLength(LabelWindow& w) {
    w.PullValues();
    const int remaining = LabelLimit(w.GetMoreFlags()) - static_cast<int>(w.Volume().size());
    w.SetLabelLengthText(std::to_string(remaining));
    w.PushValues();
}

int CheckVolumeLabel(LabelWindow& w) {
    w.Volume() = NormalizeVolumeLabel(w, w.Volume());
    // The window keeps the normalised label, refused or not: the user corrects
    // that text, and a desktop log written after a refused burn is named
    // after it rather than after what was typed.
    w.PushValues();
    const int at = FirstForbiddenLabelChar(w.Volume());
    if (at >= 0) {
        const int code = static_cast<unsigned char>(w.Volume()[static_cast<size_t>(at)]);
        w.ShowMessage(framework::Format(w.Texts().GetText(res::kTxtLabelBadCharBox), {code}), res::kCaptionError,
                      res::kBoxError);
        w.AppendLog(framework::Format(w.Texts().GetText(res::kTxtLabelBadCharLog), {code}));
        return -1;
    }
    return 0;
}

void OnVolumeKillFocus(LabelWindow& w) {
    w.PullValues();
    w.Volume() = NormalizeVolumeLabel(w, w.Volume());
    w.PushValues();
    UpdateLabelLength(w);
}

void OnSourceKillFocus(LabelWindow& w) {
    const std::string before = w.SourceDir();
    w.PullValues();
    if (w.SourceDir() != before) {
        w.CheckSourceSize();
        DeriveVolumeLabel(w, w.SourceDir());
    }
    w.PushValues();
}

void OnDropFiles(LabelWindow& w, const std::vector<std::string>& dropped) {
    if (dropped.size() != 1)
        return;
    w.SourceDir() = dropped.front();
    w.CheckSourceSize();
    w.Volume() = NormalizeVolumeLabel(w, LastPathComponent(dropped.front()));
    w.PushValues();
}

}  // namespace bb::compilation
