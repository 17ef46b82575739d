// The command line as the batch run reads it: split into words, then into
// options. Whatever is typed, no word holds a quote or is empty, and every
// option that takes a value carries one of the words.
#include <algorithm>
#include <string>

#include "recording/CommandLine.h"
#include "tests/fuzz/FuzzInput.h"

namespace bb::fuzz {

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    const recording::CommandLineWords split = recording::SplitCommandLine(line);
    const std::vector<std::string>& words = split.words;
    BB_FUZZ_CHECK(words.size() <= recording::kMaxCommandLineWords);
    // A line of more words than that is refused as a whole, never cut short.
    if (split.tooMany) BB_FUZZ_CHECK(words.size() == recording::kMaxCommandLineWords);
    for (const std::string& w : words) {
        BB_FUZZ_CHECK(!w.empty());
        BB_FUZZ_CHECK(w.find('"') == std::string::npos);
    }
    using Kind = recording::BatchStep::Kind;
    for (const recording::BatchStep& step : recording::ReadBatchOptions(words)) {
        if (step.kind == Kind::Folder || step.kind == Kind::Label)
            BB_FUZZ_CHECK(std::find(words.begin(), words.end(), step.value) != words.end());
    }
    return 0;
}

}  // namespace bb::fuzz
