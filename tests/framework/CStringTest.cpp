#include "framework/CString.h"

#include <gtest/gtest.h>

namespace bb::framework {
namespace {

TEST(CString, SearchesReportPositionsOrMinusOne) {
    const CString s("C:\\My DVD\\VIDEO_TS\\vts_01_0.ifo");
    struct Case { int got; int want; } cases[] = {
        {s.Find('\\'), 2},
        {s.Find('\\', 3), 9},
        {s.Find('\\', -5), 2},           // a negative start searches from 0
        {s.Find('\\', s.GetLength()), -1},
        {s.Find('Q'), -1},
        {s.Find("VIDEO_TS"), 10},
        {s.Find("VIDEO_TS", 11), -1},
        {s.Find(""), -1},                // an empty needle finds nothing
        {s.Find("ifo", s.GetLength() - 3), s.GetLength() - 3},
        {s.ReverseFind('\\'), 18},
        {s.ReverseFind('.'), 27},
        {CString("no-slash").ReverseFind('\\'), -1},
        {CString().ReverseFind('x'), -1},
    };
    for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i].got, cases[i].want) << "case " << i;
}

TEST(CString, SubstringsClampOutOfRangeArguments) {
    const CString s("english.lng");
    struct Case { CString got; const char* want; } cases[] = {
        {s.Left(7), "english"},   {s.Left(0), ""},        {s.Left(-3), ""},
        {s.Left(99), "english.lng"},
        {s.Mid(8), "lng"},        {s.Mid(8, 1), "l"},     {s.Mid(11), ""},
        {s.Mid(50), ""},          {s.Mid(-2, 3), "eng"},  {s.Mid(3, -1), ""},
        {s.Mid(8, 100), "lng"},
        {s.Right(3), "lng"},      {s.Right(0), ""},       {s.Right(40), "english.lng"},
        // The folder part of a path: everything before the last backslash.
        {CString("C:\\x.exe").Left(CString("C:\\x.exe").ReverseFind('\\')), "C:"},
        {CString("x.exe").Left(CString("x.exe").ReverseFind('\\')), ""},
    };
    for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i].got, cases[i].want) << "case " << i;
}

TEST(CString, CompareNoCaseIgnoresOnlyLetterCase) {
    struct Case { const char* a; const char* b; int sign; } cases[] = {
        {"VIDEO_TS.IFO", "video_ts.ifo", 0},
        {"abc", "ABD", -1},
        {"abd", "ABC", 1},
        {"ab", "abc", -1},
        {"", "", 0},
        {"_", "a", -1},  // '_' (0x5F) sorts before 'a', not before 'A' folded up
        {"\xE4", "\xC4", 1},  // bytes above ASCII are not folded
    };
    for (const Case& c : cases) {
        const int r = CString(c.a).CompareNoCase(c.b);
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " vs " << c.b;
    }
    EXPECT_EQ(CString("x").CompareNoCase(nullptr), 1);
}

TEST(CString, EditingOperations) {
    CString s("  Brenvik Burn \r\n");
    s.TrimRight();
    EXPECT_EQ(s, "  Brenvik Burn");
    s.TrimLeft();
    EXPECT_EQ(s, "Brenvik Burn");

    CString log("a\r\nb\r\nc");
    EXPECT_EQ(log.Replace("\r", ""), 2);
    EXPECT_EQ(log, "a\nb\nc");
    CString overlap("aaaa");
    EXPECT_EQ(overlap.Replace("aa", "b"), 2);
    EXPECT_EQ(overlap, "bb");
    EXPECT_EQ(overlap.Replace("", "x"), 0);
    CString label("MY DVD");
    EXPECT_EQ(label.Replace(' ', '_'), 1);
    EXPECT_EQ(label, "MY_DVD");

    label.SetAt(0, 'N');
    label.SetAt(99, 'Z');
    EXPECT_EQ(label, "NY_DVD");
    EXPECT_EQ(label.GetAt(1), 'Y');
    EXPECT_EQ(label.GetAt(-1), '\0');
    EXPECT_EQ(label[6], '\0');

    CString joined = CString("C:") + "\\" + label + '.' + CString("log");
    EXPECT_EQ(joined, "C:\\NY_DVD.log");
    EXPECT_NE(CString("a"), "A");
}

TEST(CString, BufferForCInterfacesIsCutAtTheTerminator) {
    CString s;
    char* buf = s.GetBuffer(500);
    std::snprintf(buf, 500, "%s", "C:\\Program Files\\Brenvik\\burn.exe");
    s.ReleaseBuffer();
    EXPECT_EQ(s, "C:\\Program Files\\Brenvik\\burn.exe");
    s.GetBuffer(2);
    s.ReleaseBuffer(2);
    EXPECT_EQ(s, "C:");
}

TEST(CString, FormatGoesThroughTheCheckedFormatter) {
    CString s;
    s.Format("%s %s", CString("Brenvik Burn"), "1.2.1");
    EXPECT_EQ(s, "Brenvik Burn 1.2.1");
    s.Format("%s\\%.2d %%", std::string("C:"), 4);
    EXPECT_EQ(s, "C:\\04 %");
    // A template that does not fit its arguments (a user's language file)
    // must neither crash nor read a number as a string.
    s.Format("%s and %s", 7);
    EXPECT_EQ(s.Find("7"), -1) << s.c_str();
    s.Format(nullptr);
    EXPECT_TRUE(s.IsEmpty());
}

}  // namespace
}  // namespace bb::framework
