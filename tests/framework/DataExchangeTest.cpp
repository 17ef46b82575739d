// The integer rule of the data exchange; the exchange itself runs in the
// dialog host contract (DialogHostContract.h) and on the headless host.
#include "framework/DataExchange.h"

#include <gtest/gtest.h>

namespace bb::framework {
namespace {

TEST(ParseDialogInt, AcceptsSignedDecimalsWithinRange) {
    struct Case { const char* text; bool ok; int value; } cases[] = {
        {"0", true, 0},          {"4482", true, 4482},     {"-5", true, -5},
        {"+7", true, 7},         {"  12  ", true, 12},     {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0}, {"", false, 0},          {"   ", false, 0},
        {"12x", false, 0},       {"x12", false, 0},        {"1 2", false, 0},
        {"-", false, 0},         {"0x10", false, 0},       {"1.5", false, 0},
    };
    for (const Case& c : cases) {
        int value = 0;
        EXPECT_EQ(ParseDialogInt(c.text, value), c.ok) << '"' << c.text << '"';
        if (c.ok) {
            EXPECT_EQ(value, c.value) << '"' << c.text << '"';
        }
    }
}

}  // namespace
}  // namespace bb::framework
