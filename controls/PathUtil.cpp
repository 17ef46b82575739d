#include "controls/PathUtil.h"

#include "platform/Paths.h"

CString CPathUtil::FolderOf(const CString& path) {
    int last = path.ReverseFind(platform::kPathSeparator);
    m_strResult = last < 0 ? CString() : path.Left(last);
    return m_strResult;
}

CString CPathUtil::LastComponentOf(const CString& path) {
    int end = path.GetLength();
    while (end > 0 && path[end - 1] == platform::kPathSeparator)
        --end;
    CString trimmed = path.Left(end);
    int last = trimmed.ReverseFind(platform::kPathSeparator);
    m_strResult = last < 0 ? CString() : trimmed.Mid(last + 1);
    return m_strResult;
}

CString CPathUtil::WithoutExtension(const CString& path) {
    int dot = path.ReverseFind('.');
    m_strResult = dot < 0 ? path : path.Left(dot);
    return m_strResult;
}

CString CPathUtil::ExtensionOf(const CString& path) {
    int dot = path.ReverseFind('.');
    m_strResult = dot < 0 ? CString() : path.Mid(dot + 1);
    return m_strResult;
}
