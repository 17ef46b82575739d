#include "recording/CommandLine.h"

#include <cctype>

#include "platform/Paths.h"

namespace bb::recording {

CommandLineWords SplitCommandLine(const std::string& commandLine) {
    // Outside quotes tabs count as blanks, and one pass turns each pair of
    // blanks into one; inside quotes every character stays as typed.
    std::string text;
    bool quoted = false;
    const std::string line = commandLine + " ";
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"')
            quoted = !quoted;
        if (quoted) {
            text += c;
            continue;
        }
        const bool blank = c == ' ' || c == '\t';
        text += blank ? ' ' : c;
        if (blank && i + 1 < line.size() && (line[i + 1] == ' ' || line[i + 1] == '\t'))
            ++i;
    }

    CommandLineWords split;
    auto store = [&split](const std::string& word) {
        if (word.empty())
            return;
        if (split.words.size() < kMaxCommandLineWords)
            split.words.push_back(word);
        else
            split.tooMany = true;
    };
    bool inQuotes = false;
    bool inWord = false;
    std::string word;
    for (char c : text) {
        if (c == ' ' || (c == '\t' && inQuotes)) {
            if (inQuotes) {
                if (inWord)
                    word += c;
            } else if (inWord) {
                store(word);
                inWord = false;
            }
        } else if (c == '"') {
            if (!inQuotes) {
                inQuotes = true;
                inWord = false;  // a word begun before the quote is dropped
            } else {
                inQuotes = false;
                if (inWord)
                    store(word);
                inWord = false;
            }
        } else {
            if (!inWord) {
                inWord = true;
                word.clear();
            }
            word += c;
        }
    }
    return split;  // a word still in quotes is dropped
}

namespace {
bool IsOptionWord(const std::string& word) {
    // Where "/" separates folders, an absolute path ("/media/dvd/MOVIE") is
    // a value, not an option: an option word never holds a second "/".
    if (platform::kPathSeparator == '/' && !word.empty() && word[0] == '/' &&
        word.find('/', 1) != std::string::npos)
        return false;
    return !word.empty() && (word[0] == '/' || word[0] == '-');
}
}  // namespace

std::vector<BatchStep> ReadBatchOptions(const std::vector<std::string>& words) {
    using Kind = BatchStep::Kind;
    std::vector<BatchStep> steps;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (!IsOptionWord(word) || word.size() < 2) {
            steps.push_back({Kind::NotAnOption, word});
            continue;
        }
        const bool hasValue = i + 1 < words.size() && !IsOptionWord(words[i + 1]);
        switch (std::toupper(static_cast<unsigned char>(word[1]))) {
            case 'C': steps.push_back({Kind::PrepareOnly, {}}); break;
            case 'E': steps.push_back({Kind::NoEject, {}}); break;
            case 'L': steps.push_back({Kind::LogToDesktop, {}}); break;
            case 'O': steps.push_back({Kind::NoOverwriteAsk, {}}); break;
            case 'S': steps.push_back({Kind::Shutdown, {}}); break;
            case 'D':
                if (hasValue)
                    steps.push_back({Kind::Folder, words[++i]});
                else
                    steps.push_back({Kind::FolderMissing, {}});
                break;
            case 'V':
                if (hasValue)
                    steps.push_back({Kind::Label, words[++i]});
                else
                    steps.push_back({Kind::LabelMissing, {}});
                break;
            default: steps.push_back({Kind::NotAnOption, word}); break;
        }
    }
    return steps;
}

}  // namespace bb::recording
