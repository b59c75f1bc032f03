#include <gtest/gtest.h>

#include "Console.h"

namespace {

struct CapturedConsole {
    explicit CapturedConsole(bool terminal) : console(-1, terminal) { kit::setConsoleForTesting(&console); }
    ~CapturedConsole() { kit::setConsoleForTesting(nullptr); }
    kit::Console console;
};

} // namespace

TEST(Console, LineEndComesInFrontOfEachLine)
{
    CapturedConsole c(false);
    kit::console().line("first");
    kit::console().line(" second");
    kit::console().line("");
    kit::console().endLastLine();
    EXPECT_EQ(c.console.captured(), "first\r\n second\r\n\r\n");
}

TEST(Console, FirstLineOnATerminalBeginsWithACarriageReturn)
{
    CapturedConsole c(true);
    kit::console().line("one");
    kit::console().line("two");
    EXPECT_EQ(c.console.captured(), "\rone\r\ntwo");
}

TEST(Console, OverprintingLinesBeginWithACarriageReturnAlone)
{
    CapturedConsole c(false);
    kit::console().overprint("Translating page ", 1);
    kit::console().overprint("Translating page ", 2);
    kit::console().overprint("Total");
    kit::console().line("next");
    kit::console().endLastLine();
    EXPECT_EQ(c.console.captured(), "Translating page  1\rTranslating page  2\rTotal\r\nnext\r\n");
}

TEST(Console, AClosedLineIsNotClosedTwice)
{
    CapturedConsole c(false);
    kit::console().line("a");
    kit::console().endLastLine();
    kit::console().endLastLine();
    kit::console().line("b");
    kit::console().endLastLine();
    EXPECT_EQ(c.console.captured(), "a\r\nb\r\n");
}

TEST(Console, NumbersGetOneBlankAfterTextOrNumber)
{
    struct Case {
        kit::Message message;
        std::string expected;
    };
    Case cases[] = {
        {kit::Message() << "Number of data records: " << 25, "Number of data records:  25"},
        {kit::Message() << 78 << 10 << 19 << 1200 << 1900.0f, "78 10 19 1200 1900.00000"},
        {kit::Message() << -7, "-7"},
        {kit::Message() << "x" << -7 << "y", "x -7y"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.message.text(), c.expected);
}

TEST(Console, RealsHaveNineSignificantDigits)
{
    struct Case {
        double value;
        const char* expected;
    } cases[] = {
        {2.5, "2.50000000"},
        {static_cast<double>(0.05f), "5.00000007E-02"},
        {1900.0, "1900.00000"},
        {static_cast<double>(0.1f), "0.100000001"},
        {-12.5, "-12.5000000"},
        {0.0, "0.00000000E+00"},
        {123456789.0, "123456789."},
        {1e9, "1.00000000E+09"},
        {static_cast<double>(6.0001f), "6.00010014"},
        // The notation follows the rounded value.
        {9.9999999999, "10.0000000"},
        {-9.9999999999, "-10.0000000"},
        {99999999.95, "100000000."},
        {999999999.6, "1.00000000E+09"},
        {0.09999999999, "0.100000000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kit::formatConsoleReal(c.value), c.expected) << c.value;
}
