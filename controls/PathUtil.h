// Taking paths apart at their last separator or last dot. The separator is
// the platform's ('\' on Windows, '/' elsewhere).
#pragma once

#include "framework/CString.h"

class CPathUtil {
public:
    // The text before the last separator; empty when there is none
    // ("C:\video.ifo" gives "C:").
    CString FolderOf(const CString& path);
    // Trailing separators removed, then the text after the last separator;
    // empty when no separator is left ("C:\DVD\MOVIE\" gives "MOVIE", "C:\"
    // and "MOVIE" give "").
    CString LastComponentOf(const CString& path);
    // The text before the last dot, looking at the whole path, folders
    // included; the path unchanged when it has no dot.
    CString WithoutExtension(const CString& path);
    // The text after the last dot anywhere in the path; empty without a dot.
    CString ExtensionOf(const CString& path);

private:
    CString m_strResult;  // the result of the last operation
};
