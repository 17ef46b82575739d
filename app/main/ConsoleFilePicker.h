// The file dialog of the console front end. The only file the program asks
// for in a run is the image file of the image recorder: the suggested name
// (in the current folder) is taken, unless a user at a terminal types
// another. An existing file is replaced only when that user agrees; without
// a terminal the dialog's default (keep the file) answers and the pick is
// cancelled. Folder browsing is never offered on a console.
#pragma once

#include <cstdio>
#include <string>

#include "platform/FilePickerService.h"

namespace bb::app {

class ConsoleFilePicker final : public platform::FilePickerService {
public:
    // `interactive`: a user can answer on `in` (both ends are a terminal).
    ConsoleFilePicker(std::FILE* out, std::FILE* in, bool interactive, std::string currentFolder);

    bool RunFileDialog(bool open, platform::FileDialogRecord& record) override;
    bool BrowseForFolder(const platform::FolderBrowseRequest& request) override;

private:
    [[nodiscard]] std::string ReadLine();

    std::FILE* const m_out;
    std::FILE* const m_in;
    const bool m_interactive;
    const std::string m_currentFolder;
};

}  // namespace bb::app
