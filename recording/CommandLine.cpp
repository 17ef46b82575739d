#include "recording/CommandLine.h"

#include <cctype>

#include "platform/Paths.h"

namespace recording {

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
    // Tabs count as blanks; one pass turns each pair of blanks into one.
    std::string text;
    for (char c : commandLine + " ")
        text += c == '\t' ? ' ' : c;
    std::string squeezed;
    for (size_t i = 0; i < text.size(); ++i) {
        squeezed += text[i];
        if (text[i] == ' ' && i + 1 < text.size() && text[i + 1] == ' ')
            ++i;
    }

    std::vector<std::string> words;
    auto store = [&words](const std::string& word) {
        if (!word.empty() && words.size() < kMaxCommandLineWords)
            words.push_back(word);
    };
    bool inQuotes = false;
    bool inWord = false;
    std::string word;
    for (char c : squeezed) {
        if (c == ' ') {
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
    return words;  // a word still in quotes is dropped
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

}  // namespace recording
