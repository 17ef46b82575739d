#include "framework/CheckedFormat.h"

#include <atomic>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace bb::framework {
namespace {

// problemHas: "": formatted without a problem
struct FormatCase { const char* name; Result result; std::string text; const char* problemHas; };

TEST(CheckedFormat, FormatsOrRefusesEachConversion) {
    const std::string path = "C:\\DVD\\100% Movie";
    const FormatCase cases[] = {
        {"string", FormatChecked("Log: %s", {path}), "Log: C:\\DVD\\100% Movie", ""},
        {"percent in argument stays", FormatChecked("[%s]", {"%d%n"}), "[%d%n]", ""},
        {"signed", FormatChecked("%d/%i", {-42, 7}), "-42/7", ""},
        {"unsigned", FormatChecked("%u", {3000000000u}), "3000000000", ""},
        {"long", FormatChecked("%ld %lu", {-5L, 6UL}), "-5 6", ""},
        {"64-bit", FormatChecked("%lld", {1LL << 40}), "1099511627776", ""},
        {"64-bit pattern as hex", FormatChecked("%llX", {-1LL}), "FFFFFFFFFFFFFFFF", ""},
        {"long as hex has the width of long", FormatChecked("%lX", {-1L}),
         sizeof(long) == 4 ? "FFFFFFFF" : "FFFFFFFFFFFFFFFF", ""},
        {"I64 size", FormatChecked("%I64d", {-3}), "-3", ""},
        {"hex", FormatChecked("%X %x", {0x8040u, 255}), "8040 ff", ""},
        {"negative int as hex is its 32-bit pattern", FormatChecked("%X", {-1}), "FFFFFFFF", ""},
        {"negative int as unsigned", FormatChecked("%u", {-1}), "4294967295", ""},
        {"unsigned bits as signed", FormatChecked("%d", {0xFFFFFFFFu}), "-1", ""},
        {"short narrows", FormatChecked("%hd", {70000}), "4464", ""},
        {"char", FormatChecked("[%c]", {'A'}), "[A]", ""},
        {"real", FormatChecked("%.1fx %f", {12.34, 1.5}), "12.3x 1.500000", ""},
        {"precision on integer", FormatChecked("%.2d:%2.2d", {5, 7}), "05:07", ""},
        {"width and flags", FormatChecked("|%5s|%-5s|%+d|%08.3f|%#x|", {"ab", "cd", 3, -1.5, 255}),
         "|   ab|cd   |+3|-001.500|0xff|", ""},
        {"string precision", FormatChecked("%.3s", {"abcdef"}), "abc", ""},
        {"escaped percent", FormatChecked("100%% done", {}), "100% done", ""},
        {"empty", FormatChecked("", {}), "", ""},
        {"width at the limit", FormatChecked("%4096d|%-4096s|", {1, "x"}),
         std::string(4095, ' ') + "1|x" + std::string(4095, ' ') + "|", ""},

        {"string given an int", FormatChecked("[%s]", {5}), "[%s]", "needs a string but was given an integer"},
        {"integer given a string", FormatChecked("[%d]", {"5"}), "[%d]", "needs an integer but was given a string"},
        {"real given an int", FormatChecked("%.1f", {2}), "%.1f", "needs a real number"},
        {"integer given a real", FormatChecked("%d", {2.0}), "%d", "but was given a real number"},
        {"mismatch keeps later conversions aligned", FormatChecked("%s=%d", {1, 2}), "%s=2", "needs a string"},
        {"too few", FormatChecked("%d of %d", {1}), "1 of %d", "\"%d\" has no argument"},
        {"too many", FormatChecked("%d", {1, 2, 3}), "1", "2 arguments left over"},
        {"trailing percent", FormatChecked("50%", {}), "50%", "cut off"},
        {"cut off inside a spec", FormatChecked("50%-4", {1}), "50%-4", "cut off"},
        {"%n is refused", FormatChecked("ab%n", {1}), "ab%n", "never accepted"},
        {"star width", FormatChecked("[%*d]", {5, 3}), "[%*d]", "from the arguments"},
        {"star precision", FormatChecked("[%.*f]", {2.5}), "[%.*f]", "from the arguments"},
        {"unknown letter", FormatChecked("%y", {}), "%y", "not a conversion"},
        {"pointer", FormatChecked("%p", {}), "%p", "not a conversion"},
        {"wide string", FormatChecked("%ls", {"x"}), "%ls", "size \"l\""},
        {"flag that does not apply", FormatChecked("100% sure", {}), "100% sure", "flag ' '"},
        {"precision on a character", FormatChecked("%.2c", {'x'}), "%.2c", "precision"},
        {"huge width", FormatChecked("[%999999999999d]", {1}), "[%999999999999d]", "above 4096"},
        {"huge precision", FormatChecked("%.5000f", {1.0}), "%.5000f", "above 4096"},
        {"two problems", FormatChecked("%s %s", {1, 2}), "%s %s", "integer; \"%s\" needs"},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(c.result.text, c.text) << c.name;
        EXPECT_EQ(c.result.ok, *c.problemHas == '\0') << c.name;
        EXPECT_NE(c.result.problem.find(c.problemHas), std::string::npos) << c.name << ": " << c.result.problem;
        EXPECT_TRUE(!c.result.ok || c.result.problem.empty()) << c.name << ": " << c.result.problem;
    }
}

TEST(CheckedFormat, ArgumentKindsOfTemplates) {
    struct Case { const char* tmpl; std::optional<std::string> kinds; };
    const Case cases[] = {
        {"Hello", ""}, {"100%% of %s", "s"}, {"%.1fx (%dkB/s)", "fi"}, {"%lu %X %c %i %e %g", "iiiiff"},
        {"%s%n", std::nullopt}, {"%*d", std::nullopt}, {"%ls", std::nullopt}, {"%q", std::nullopt},
        {"ends in %", std::nullopt}, {"%99999d", std::nullopt},
    };
    for (const Case& c : cases) {
        std::string problem;
        EXPECT_EQ(ArgumentKinds(c.tmpl, &problem), c.kinds) << c.tmpl;
        EXPECT_EQ(problem.empty(), c.kinds.has_value()) << c.tmpl << ": " << problem;
    }
}

class FormatReporter : public ::testing::Test {
protected:
    void TearDown() override { SetProblemReporter({}); }
};

TEST_F(FormatReporter, ReceivesMismatchesOnlyUntilCleared) {
    std::vector<std::string> seen;
    SetProblemReporter([&](const std::string& p) { seen.push_back(p); });
    EXPECT_EQ(Format("Written: %d", {3}), "Written: 3");
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(Format("Written: %s", {3}), "Written: %s");
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_NE(seen[0].find("\"Written: %s\""), std::string::npos) << seen[0];
    // Without a reporter the text still comes back, and the one cleared
    // hears nothing more.
    SetProblemReporter({});
    EXPECT_EQ(Format("%d%%", {"x"}), "%d%");
    EXPECT_EQ(seen.size(), 1u);
}

TEST_F(FormatReporter, ReporterThatFormatsBadTextsDoesNotRecurse) {
    int calls = 0;
    SetProblemReporter([&](const std::string& p) {
        ++calls;
        (void)Format("problem: %d", {p});
    });
    EXPECT_EQ(Format("%s", {1}), "%s");
    EXPECT_EQ(calls, 1);
}

TEST_F(FormatReporter, SafeFromSeveralThreads) {
    std::atomic<int> calls{0};
    SetProblemReporter([&](const std::string&) { ++calls; });
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([] {
            for (int i = 0; i < 200; ++i)
                (void)Format("%s", {i});
        });
    for (int i = 0; i < 50; ++i)
        SetProblemReporter([&](const std::string&) { ++calls; });
    for (std::thread& t : threads)
        t.join();
    EXPECT_EQ(calls.load(), 800);
}

}  // namespace
}  // namespace bb::framework
