// Builds without the recording engine reach no drives: the recorder list
// holds the image and simulated recorders only.
#include "recorder/library/optical/OpticalDrives.h"

#include "recorder/library/NeroApiExports.h"

namespace bb::recorder::library::optical {
namespace {

Verdict Missing(const std::string& name) {
    Observation observed;
    observed.driveFound = false;
    return Judge(observed, name);
}

}  // namespace

bool Available() { return false; }

std::vector<DriveSummary> ListDrives() { return {}; }

MediaResult ReadMedia(const std::string&, const std::string& name) {
    MediaResult result;
    result.failure = Missing(name);
    return result;
}

int EraseEstimate(const std::string&, const std::string&, bool) { return neroapi::kEraseNoDisc; }

Verdict Erase(const std::string&, const std::string& name, bool) { return Missing(name); }

Verdict Burn(const BurnRequest& request, const JobHooks&) { return Missing(request.name); }

}  // namespace bb::recorder::library::optical
