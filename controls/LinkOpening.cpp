#include "controls/LinkOpening.h"

#include "framework/CheckedFormat.h"
#include "platform/Registry.h"
#include "platform/Shell.h"

namespace bb::controls {

namespace {

// Registry default values are read into a buffer of this many characters.
constexpr size_t kRegistryValueCapacity = 260;

struct OpenError {
    int code;
    const char* text;
};

// The codes ShellExecuteA reports (0, the ERROR_ numbers below 32 it passes
// on, and its own SE_ERR_ codes).
constexpr OpenError kOpenErrors[] = {
    {0, "The operating system is out\nof memory or resources."},
    {2, "The specified file was not found."},
    {3, "The specified path was not found."},
    {5, "The operating system denied\naccess to the specified file."},
    {8, "There was not enough memory to complete the operation."},
    {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {26, "A sharing violation occurred. "},
    {27, "The filename association is\nincomplete or invalid."},
    {28, "The DDE transaction could not\nbe completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
    {31, "There is no application associated\nwith the given filename extension."},
    {32, "The specified dynamic-link library was not found."},
};

}  // namespace

std::string BrowserCommandFor(const std::string& openCommand, const std::string& target) {
    std::string command = openCommand;
    size_t cut = command.find("\"%1\"");
    if (cut == std::string::npos)
        cut = command.find("%1");
    if (cut != std::string::npos) {
        command.erase(cut);
        // The blank before the placeholder is the one that goes before the target.
        while (!command.empty() && command.back() == ' ')
            command.pop_back();
    }
    return command + " " + target;
}

intptr_t OpenLinkTarget(const std::string& target, int showCommand) {
    const intptr_t result = platform::SystemShell().Open(target, showCommand);
    if (result > 32)
        return result;
    platform::Registry& registry = platform::SystemRegistry();
    const auto htmlClass =
        registry.ReadString(platform::RegistryRoot::ClassesRoot, ".htm", "", kRegistryValueCapacity);
    if (!htmlClass)
        return result;
    const auto openCommand = registry.ReadString(platform::RegistryRoot::ClassesRoot,
                                                 *htmlClass + "\\shell\\open\\command", "", kRegistryValueCapacity);
    if (!openCommand)
        return result;
    return intptr_t(platform::SystemShell().Run(BrowserCommandFor(*openCommand, target), showCommand));
}

std::string OpenErrorMessage(int code) {
    std::string message = "Unable to open hyperlink:\n\n";
    for (const OpenError& error : kOpenErrors) {
        if (error.code == code)
            return message + error.text;
    }
    return message + framework::Format("Unknown Error (%d) occurred.", {code});
}

}  // namespace bb::controls
