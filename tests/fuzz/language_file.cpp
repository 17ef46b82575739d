// A language file as a user may have edited it: every text can be looked up,
// and the checked formatter either formats a text with the arguments its
// conversions ask for or says that it cannot, never handing a mismatch to
// the C library.
#include <cstdio>
#include <string>

#include "framework/CheckedFormat.h"
#include "settings/LanguageTable.h"
#include "tests/fuzz/FuzzInput.h"

namespace {

std::string WriteLanguageFile(const std::string& bytes) {
    const std::string path = bbfuzz::ScratchFolder() + "/fuzz.lng";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) bbfuzz::Fail("the language file can be written");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return path;
}

// Formats `text` with arguments of the kinds it asks for (at most six).
bbfmt::Result FormatWithMatchingArguments(const std::string& text, const std::string& kinds) {
    bbfmt::Arg a[6] = {0, 0, 0, 0, 0, 0};
    for (size_t i = 0; i < kinds.size() && i < 6; ++i)
        a[i] = kinds[i] == 's' ? bbfmt::Arg("Brenvik") : kinds[i] == 'f' ? bbfmt::Arg(12.5) : bbfmt::Arg(-7);
    switch (kinds.size()) {
    case 0: return bbfmt::FormatChecked(text, {});
    case 1: return bbfmt::FormatChecked(text, {a[0]});
    case 2: return bbfmt::FormatChecked(text, {a[0], a[1]});
    case 3: return bbfmt::FormatChecked(text, {a[0], a[1], a[2]});
    case 4: return bbfmt::FormatChecked(text, {a[0], a[1], a[2], a[3]});
    case 5: return bbfmt::FormatChecked(text, {a[0], a[1], a[2], a[3], a[4]});
    default: return bbfmt::FormatChecked(text, {a[0], a[1], a[2], a[3], a[4], a[5]});
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    bbfuzz::FuzzInput in(data, size);
    // The ids to look up come first, then the file.
    int ids[3];
    for (int& id : ids) id = 500 + int(in.Byte()) * 2 + in.Below(2);
    LanguageTable texts(WriteLanguageFile(in.Rest()));
    for (int id : ids) {
        const std::string text = texts.GetText(id);
        // A text that matches nothing is formatted safely and says so.
        const bbfmt::Result plain = bbfmt::FormatChecked(text, {"x", 1});
        if (!plain.ok) BB_FUZZ_CHECK(!plain.problem.empty());

        std::string problem;
        const auto kinds = bbfmt::ArgumentKinds(text, &problem);
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
