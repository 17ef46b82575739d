// Every language file shipped in lang/ against the texts the program uses.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "framework/CheckedFormat.h"
#include "res/TextIds.h"
#include "settings/BuiltinTexts.h"
#include "settings/LanguageTable.h"

#include <gtest/gtest.h>

namespace bb::settings {

namespace {

struct LanguageFile {
    std::string path;
    bool inRepository;  // else the copy the build put beside the program
};

void PrintTo(const LanguageFile& file, std::ostream* out) { *out << file.path; }

// The repository's files, and the copies in the program folder once the
// build has made them (converted to Windows-1252 in the Windows build).
std::vector<LanguageFile> LanguageFilesToCheck() {
    std::vector<LanguageFile> files;
    const std::pair<std::filesystem::path, bool> folders[] = {{BB_SOURCE_DIR "/lang", true}, {BB_PROGRAM_DIR, false}};
    for (const auto& [folder, inRepository] : folders) {
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(folder, ignored))
            if (entry.path().extension() == ".lng") files.push_back({entry.path().string(), inRepository});
    }
    return files;
}

// The repository keeps the files as UTF-8 (the Windows build converts them).
bool IsUtf8(const std::string& s) {
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        int follow = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
        if (follow < 0 || s.size() - i <= size_t(follow))
            return false;
        for (int k = 1; k <= follow; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += size_t(follow) + 1;
    }
    return true;
}

// The lines of a settings template that the settings reader matches (the
// comment lines are free to translate).
std::vector<std::string> KeyLines(const std::string& tmpl) {
    std::vector<std::string> keys;
    std::istringstream lines(tmpl);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty() && line[0] != '#')
            keys.push_back(line);
    return keys;
}

class ShippedLanguageFile : public ::testing::TestWithParam<LanguageFile> {};

TEST_P(ShippedLanguageFile, CarriesEveryTextWithTheProgramsConversions) {
    const std::string path = GetParam().path;
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(bytes.empty()) << path;
    if (GetParam().inRepository) {
        EXPECT_TRUE(IsUtf8(bytes)) << path;
    }
    EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF") << "a byte order mark hides the first line";

    LanguageTable table(path);
    for (const res::TextIdSignature& entry : res::kTextIdTable) {
        if (!table.GetFileText(entry.id)) {
            ADD_FAILURE() << "text " << entry.id << " missing";
            continue;
        }
        const std::string text = table.GetText(entry.id);
        EXPECT_FALSE(text.empty()) << "text " << entry.id;
        // A text without arguments is shown as it stands, so a percent sign
        // would read differently wherever a caller formats it.
        std::string problem;
        const std::optional<std::string> kinds = framework::ArgumentKinds(text, &problem);
        if (*entry.args == '\0')
            EXPECT_EQ(text.find('%'), std::string::npos) << "text " << entry.id << ": " << text;
        else
            EXPECT_EQ(kinds.value_or(problem), framework::ArgumentKinds(entry.args).value_or("?"))
                << "text " << entry.id << ": " << text;
    }
}

TEST_P(ShippedLanguageFile, SettingsTemplateKeepsTheKeys) {
    LanguageTable table(GetParam().path);
    EXPECT_EQ(KeyLines(table.GetText(res::kTxtSettingsTemplate)), KeyLines(settings::BuiltinText(res::kTxtSettingsTemplate)));
}

INSTANTIATE_TEST_SUITE_P(Lang, ShippedLanguageFile, ::testing::ValuesIn(LanguageFilesToCheck()),
                         [](const ::testing::TestParamInfo<LanguageFile>& info) {
                             std::string stem = std::filesystem::path(info.param.path).stem().string();
                             return stem + (info.param.inRepository ? "" : "_installed");
                         });

TEST(LanguageFiles, EnglishAndGermanAreShipped) {
    for (const char* name : {"english.lng", "deutsch.lng"})
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(BB_SOURCE_DIR) / "lang" / name)) << name;
}

TEST(TextIdTable, IdsAreInRangeOnceEachWithUsableSignatures) {
    std::vector<int> seen;
    for (const res::TextIdSignature& entry : res::kTextIdTable) {
        EXPECT_TRUE(entry.id >= 500 && entry.id <= 899) << entry.id;
        EXPECT_EQ(std::find(seen.begin(), seen.end(), entry.id), seen.end()) << entry.id;
        seen.push_back(entry.id);
        EXPECT_TRUE(framework::ArgumentKinds(entry.args).has_value()) << entry.id;
    }
}

}  // namespace

}  // namespace bb::settings
