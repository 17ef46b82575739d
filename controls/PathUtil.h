// Taking paths apart at their last separator or last dot. The separator is
// the platform's ('\' on Windows, '/' elsewhere).
#pragma once

#include "framework/CString.h"

namespace bb::controls {

class CPathUtil {
public:
    // The text before the last separator; empty when there is none
    // ("C:\video.ifo" gives "C:").
    framework::CString FolderOf(const framework::CString& path);
    // Trailing separators removed, then the text after the last separator;
    // empty when no separator is left ("C:\DVD\MOVIE\" gives "MOVIE", "C:\"
    // and "MOVIE" give "").
    framework::CString LastComponentOf(const framework::CString& path);
    // The text before the last dot, looking at the whole path, folders
    // included; the path unchanged when it has no dot.
    framework::CString WithoutExtension(const framework::CString& path);
    // The text after the last dot anywhere in the path; empty without a dot.
    framework::CString ExtensionOf(const framework::CString& path);

private:
    framework::CString m_strResult;  // the result of the last operation
};

}  // namespace bb::controls
