#include "controls/PathUtil.h"

#include "platform/Paths.h"

namespace bb::controls {

framework::CString CPathUtil::FolderOf(const framework::CString& path) {
    int last = path.ReverseFind(platform::kPathSeparator);
    m_strResult = last < 0 ? framework::CString() : path.Left(last);
    return m_strResult;
}

framework::CString CPathUtil::LastComponentOf(const framework::CString& path) {
    int end = path.GetLength();
    while (end > 0 && path[end - 1] == platform::kPathSeparator)
        --end;
    framework::CString trimmed = path.Left(end);
    int last = trimmed.ReverseFind(platform::kPathSeparator);
    m_strResult = last < 0 ? framework::CString() : trimmed.Mid(last + 1);
    return m_strResult;
}

framework::CString CPathUtil::WithoutExtension(const framework::CString& path) {
    int dot = path.ReverseFind('.');
    m_strResult = dot < 0 ? path : path.Left(dot);
    return m_strResult;
}

framework::CString CPathUtil::ExtensionOf(const framework::CString& path) {
    int dot = path.ReverseFind('.');
    m_strResult = dot < 0 ? framework::CString() : path.Mid(dot + 1);
    return m_strResult;
}

}  // namespace bb::controls
