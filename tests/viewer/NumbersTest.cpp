// Text to number and back with the locale's decimal separator.
#include "vcl/Exceptions.h"
#include "vcl/Numbers.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

// Makes `locale` the default for the test's lifetime.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(QLocale::c()); }
};

const QLocale Point = QLocale::c();
const QLocale Comma(QLocale::German, QLocale::Germany);

TEST(StrToFloat, ReadsDecimalNumbersWithThePointSeparator)
{
    LocaleScope scope(Point);
    const std::pair<const char*, long double> rows[] = {
        {"300", 300.0L},  {"  4390.1 ", 4390.1L}, {"-5.66", -5.66L}, {"+2", 2.0L},
        {".5", 0.5L},     {"5.", 5.0L},           {"1E3", 1000.0L},  {"2.5e-2", 0.025L},
        {"1e+2", 100.0L}, {"-0", 0.0L},           {"007", 7.0L},     {"1E4000", 1E4000L},
    };
    for (const auto& [text, value] : rows)
        EXPECT_EQ(vcl::StrToFloat(text), value) << text;
}

TEST(StrToFloat, KeepsExtendedPrecision)
{
    LocaleScope scope(Point);
    // 0.1 in 64 bits and in 80 bits differ; the conversion must give the 80-bit value.
    EXPECT_EQ(vcl::StrToFloat("0.1"), 0.1L);
    EXPECT_NE(vcl::StrToFloat("0.1"), static_cast<long double>(0.1));
}

TEST(StrToFloat, RefusesEverythingElseWithTheConversionMessage)
{
    LocaleScope scope(Point);
    const char* rows[] = {"",   " ",   "abc", "-",    ".",    "1.2.3", "1,5",  "1 000", "1e",  "1e+",
                          "e5", "inf", "nan", "0x10", "1.5x", "+-1",   "1E5.", "\t1",   "1d5", "1 e5"};
    for (const char* text : rows) {
        try {
            vcl::StrToFloat(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const vcl::EConvertError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "'" + std::string(text) + "' is not a valid floating point value");
        }
    }
}

TEST(StrToFloat, TakesTheCommaInAGermanLocaleAndRefusesThePoint)
{
    LocaleScope scope(Comma);
    EXPECT_EQ(vcl::StrToFloat("290,26"), 290.26L);
    EXPECT_EQ(vcl::StrToFloat(" -4,5E1 "), -45.0L);
    EXPECT_THROW(vcl::StrToFloat("290.26"), vcl::EConvertError);
    EXPECT_THROW(vcl::StrToFloat("1.000,5"), vcl::EConvertError);
}

TEST(FloatToStr, WritesTheGeneralFormatWithFifteenDigits)
{
    LocaleScope scope(Point);
    const std::pair<long double, const char*> rows[] = {
        {0.0L, "0"},
        {14.34L, "14.34"},
        {-5.66L, "-5.66"},
        {static_cast<double>(300.0L - 285.66L), "14.34"},
        {static_cast<double>(4390.1L - 4385.1L), "5"},
        {1.0L / 3.0L, "0.333333333333333"},
        {2.0L / 3.0L, "0.666666666666667"},
        {100.0L, "100"},
        {123456789012345.0L, "123456789012345"},
        {999999999999999.9L, "1E15"},
        {1E15L, "1E15"},
        {1.5E20L, "1.5E20"},
        {-2.5E-7L, "-2.5E-7"},
        {1E-5L, "0.00001"},
        {1.25E-5L, "0.0000125"},
        {9.9999999999999999E-6L, "0.00001"},
        {1E-6L, "1E-6"},
    };
    for (const auto& [value, text] : rows)
        EXPECT_EQ(vcl::FloatToStr(value), text) << static_cast<double>(value);
}

TEST(FloatToStr, WritesTheLocaleSeparator)
{
    LocaleScope scope(Comma);
    EXPECT_EQ(vcl::FloatToStr(14.34), "14,34");
    EXPECT_EQ(vcl::FloatToStr(-4.5), "-4,5");
    EXPECT_EQ(vcl::FloatToStr(1.5E20), "1,5E20");
    EXPECT_EQ(vcl::FloatToStr(7), "7");
}

} // namespace
