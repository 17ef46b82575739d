// A language file as a user may have edited it: every text can be looked up,
// and the checked formatter either formats a text with the arguments its
// conversions ask for or says that it cannot, never handing a mismatch to
// the C library.
#include <cstdio>
#include <string>

#include "framework/CheckedFormat.h"
#include "settings/LanguageTable.h"
#include "tests/fuzz/FuzzInput.h"

namespace bb::fuzz {

namespace {

std::string WriteLanguageFile(const std::string& bytes) {
    const std::string path = fuzz::ScratchFolder() + "/fuzz.lng";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) fuzz::Fail("the language file can be written");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return path;
}

// Formats `text` with arguments of the kinds it asks for (at most six).
framework::Result FormatWithMatchingArguments(const std::string& text, const std::string& kinds) {
    framework::Arg a[6] = {0, 0, 0, 0, 0, 0};
    for (size_t i = 0; i < kinds.size() && i < 6; ++i)
        a[i] = kinds[i] == 's' ? framework::Arg("Brenvik") : kinds[i] == 'f' ? framework::Arg(12.5) : framework::Arg(-7);
    switch (kinds.size()) {
    case 0: return framework::FormatChecked(text, {});
    case 1: return framework::FormatChecked(text, {a[0]});
    case 2: return framework::FormatChecked(text, {a[0], a[1]});
    case 3: return framework::FormatChecked(text, {a[0], a[1], a[2]});
    case 4: return framework::FormatChecked(text, {a[0], a[1], a[2], a[3]});
    case 5: return framework::FormatChecked(text, {a[0], a[1], a[2], a[3], a[4]});
    default: return framework::FormatChecked(text, {a[0], a[1], a[2], a[3], a[4], a[5]});
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInput in(data, size);
    // The ids to look up come first, then the file.
    int ids[3];
    for (int& id : ids) id = 500 + int(in.Byte()) * 2 + in.Below(2);
    settings::LanguageTable texts(WriteLanguageFile(in.Rest()));
    for (int id : ids) {
        const std::string text = texts.GetText(id);
        // A text that matches nothing is formatted safely and says so.
        const framework::Result plain = framework::FormatChecked(text, {"x", 1});
        if (!plain.ok) BB_FUZZ_CHECK(!plain.problem.empty());

        std::string problem;
        const auto kinds = framework::ArgumentKinds(text, &problem);
        if (!kinds) {
            BB_FUZZ_CHECK(!problem.empty());
            continue;
        }
        if (kinds->size() > 6) continue;
        // The arguments a text asks for are always accepted.
        BB_FUZZ_CHECK(FormatWithMatchingArguments(text, *kinds).ok);
    }
    return 0;
}

}  // namespace bb::fuzz
