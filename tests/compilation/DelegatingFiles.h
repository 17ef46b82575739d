// The real file service with single operations replaced by a test.
#pragma once

#include "platform/Files.h"

namespace bb::compilation {

class DelegatingFiles : public platform::Files {
public:
    std::optional<std::vector<platform::FolderEntry>> List(const std::string& folder,
                                                           const std::string& pattern) override {
        return real().List(folder, pattern);
    }
    bool Exists(const std::string& p) override { return real().Exists(p); }
    bool IsFolder(const std::string& p) override { return real().IsFolder(p); }
    std::optional<platform::FolderId> FolderIdentity(const std::string& p) override {
        return real().FolderIdentity(p);
    }
    std::optional<uint64_t> FileSize(const std::string& p) override { return real().FileSize(p); }
    bool Move(const std::string& a, const std::string& b) override { return real().Move(a, b); }
    bool Delete(const std::string& p) override { return real().Delete(p); }
    std::optional<std::vector<std::string>> ReadLines(const std::string& p) override {
        return real().ReadLines(p);
    }
    bool WriteText(const std::string& p, const std::string& t, platform::LineEnding e) override {
        return real().WriteText(p, t, e);
    }
    bool WriteTextAtomically(const std::string& p, const std::string& t,
                             platform::LineEnding e) override {
        return real().WriteTextAtomically(p, t, e);
    }
    std::string ProgramPath() override { return real().ProgramPath(); }
    std::optional<std::string> VolumeName(const std::string& p) override {
        return real().VolumeName(p);
    }

protected:
    static platform::Files& real() { return platform::SystemFiles(); }
};

}  // namespace bb::compilation
