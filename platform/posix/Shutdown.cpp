#include "platform/Shutdown.h"

#include "platform/NativeServices.h"

namespace bb::platform {
namespace {

// There is no Windows session to end here, and a test run must never take
// the machine down: the stand-in only says what Windows would be asked.
class ReportingShutdown final : public Shutdown {
public:
    std::string StartHidden(const std::string& commandLine) override {
        return "would start " + commandLine;
    }
    std::string EndSession(uint32_t flags, uint32_t reserved, bool enablePrivilege) override {
        return "would call " + DescribeEndSession(flags, reserved, enablePrivilege);
    }
};

}  // namespace

Shutdown& NativeShutdown() {
    static ReportingShutdown shutdown;
    return shutdown;
}

}  // namespace bb::platform
