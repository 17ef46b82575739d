// A shell and a registry that answer from the test, installed for the
// process while the object lives.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/Registry.h"
#include "platform/Shell.h"

namespace bb::controls::test {

class FakeShell final : public platform::Shell {
public:
    FakeShell() { platform::SetSystemShell(this); }
    ~FakeShell() override { platform::SetSystemShell(nullptr); }

    intptr_t Open(const std::string& target, int showCommand) override {
        opened.emplace_back(target, showCommand);
        return openResult;
    }
    bool OpenQuietly(const std::string& target, int showCommand) override {
        return Open(target, showCommand) > 32;
    }
    unsigned Run(const std::string& commandLine, int showCommand) override {
        run.emplace_back(commandLine, showCommand);
        return runResult;
    }

    intptr_t openResult = 42;
    unsigned runResult = 33;
    std::vector<std::pair<std::string, int>> opened;
    std::vector<std::pair<std::string, int>> run;
};

class FakeRegistry final : public platform::Registry {
public:
    FakeRegistry() { platform::SetSystemRegistry(this); }
    ~FakeRegistry() override { platform::SetSystemRegistry(nullptr); }

    std::optional<std::string> ReadString(platform::RegistryRoot root, const std::string& key,
                                          const std::string& value, size_t capacity) override {
        reads.push_back(key);
        auto found = values.find({root, key + "|" + value});
        if (found == values.end() || found->second.size() + 1 > capacity)
            return std::nullopt;
        return found->second;
    }
    bool WriteString(platform::RegistryRoot root, const std::string& key, const std::string& value,
                     const std::string& data) override {
        values[{root, key + "|" + value}] = data;
        return true;
    }
    bool DeleteValue(platform::RegistryRoot, const std::string&, const std::string&) override { return false; }

    std::map<std::pair<platform::RegistryRoot, std::string>, std::string> values;
    std::vector<std::string> reads;
};

}  // namespace bb::controls::test
