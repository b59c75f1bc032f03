// How much of a line each reader keeps, and what becomes of the rest: lines cut at the part
// that counts (with the CR of a CR LF line end never taken for text), records whose values
// would run on past a kept line's end, and reals beyond a float's range.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "CurrentFolder.h"
#include "FreeFormat.h"
#include "TextInput.h"

namespace {

struct KeptLine {
    std::string line;
    bool cut;
};

std::vector<KeptLine> keptLines(const std::string& bytes, std::size_t keep)
{
    kit_test::CurrentScratchFolder dir;
    dir.write("f", bytes);
    kit::TextInput in;
    EXPECT_TRUE(in.open("f"));
    std::vector<KeptLine> lines;
    std::string_view line;
    while (in.readLine(line, keep))
        lines.push_back({std::string(line), in.lastLineCut()});
    return lines;
}

bool operator==(const KeptLine& a, const KeptLine& b)
{
    return a.line == b.line && a.cut == b.cut;
}

void PrintTo(const KeptLine& l, std::ostream* os)
{
    *os << '"' << l.line << '"' << (l.cut ? " cut" : "");
}

TEST(LineLimits, LinesAreKeptUpToWhatTheReaderUses)
{
    const std::string longLine(300000, 'y');
    struct Case {
        const char* what;
        std::string bytes;
        std::size_t keep;
        std::vector<KeptLine> lines;
    } cases[] = {
        {"shorter lines whole", "ab\r\ncd\n", 5, {{"ab", false}, {"cd", false}}},
        {"exactly the kept length", "abcde\r\nabcde\n", 5, {{"abcde", false}, {"abcde", false}}},
        {"the CR of the line end is no character", "abcd\r\n", 4, {{"abcd", false}}},
        {"one character over", "abcdef\r\nabcdef\n", 5, {{"abcde", true}, {"abcde", true}}},
        {"a CR inside the kept part stays", "ab\rcd\n", 5, {{"ab\rcd", false}}},
        {"nothing kept", "heading\nrest\n", 0, {{"", true}, {"", true}}},
        {"an empty line is not cut", "\r\n\n", 0, {{"", false}, {"", false}}},
        {"last line without a line end", "abc\nabcdefgh", 5, {{"abc", false}, {"abcde", true}}},
        {"a line far beyond the buffer", longLine + "\nnext\n", 4, {{"yyyy", true}, {"next", false}}},
        {"a line far beyond the buffer, kept whole",
         longLine + "\r\nz",
         kit::TextInput::kWholeLine,
         {{longLine, false}, {"z", false}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(keptLines(c.bytes, c.keep), c.lines) << c.what;
}

TEST(LineLimits, StepBackDeliversTheKeptPartAgain)
{
    kit_test::CurrentScratchFolder dir;
    dir.write("f", std::string(200000, 'm') + "\nnext\n");
    kit::TextInput in;
    ASSERT_TRUE(in.open("f"));
    std::string_view line;
    ASSERT_TRUE(in.readLine(line, 40));
    in.stepBack();
    ASSERT_TRUE(in.readLine(line, 40));
    EXPECT_EQ(line, std::string(40, 'm'));
    ASSERT_TRUE(in.readLine(line, 40));
    EXPECT_EQ(line, "next");
}

// A record may take its values from the kept part of a line; a value cut by its end, or one that
// would have to come from past it, makes the record bad instead of reading a wrong value.
TEST(LineLimits, RecordsAndTheEndOfAKeptLine)
{
    const std::size_t kept = kit::kRecordLineKept;
    // The lines are built by appending: a literal put in front of a temporary string makes
    // GCC 12 at -O3 warn of an overlapping copy that cannot happen (-Wrestrict).
    struct Case {
        const char* what;
        std::string line;
        kit::ReadStatus status;
    } cases[] = {
        {"values up front, a long rest", std::string("1 2").append(kept, ' ') + "junk", kit::ReadStatus::Ok},
        {"the second value only past the kept part", std::string("1").append(kept, ' ') + "2",
         kit::ReadStatus::Error},
        {"a value cut by the kept part's end", std::string("1 ").append(kept, '7'), kit::ReadStatus::Error},
        {"a value that ends exactly there, the line going on", std::string("1 ").append(kept - 2, '7') + " 2",
         kit::ReadStatus::Error},
    };
    for (const Case& c : cases) {
        kit_test::CurrentScratchFolder dir;
        dir.write("f", c.line + "\n3 4\n");
        kit::TextInput in;
        ASSERT_TRUE(in.open("f"));
        kit::RecordReader reader(in);
        std::int32_t a = 0;
        float b = 0;
        EXPECT_EQ(reader.read(a, b), c.status) << c.what;
        if (c.status == kit::ReadStatus::Ok) {
            EXPECT_EQ(a, 1);
            EXPECT_EQ(b, 2.0f);
            ASSERT_EQ(reader.read(a, b), kit::ReadStatus::Ok) << "the next record after " << c.what;
            EXPECT_EQ(a, 3);
        }
    }
}

// Too large for a float, whatever the exponent (also beyond a double's range), is a bad value;
// only too small becomes zero, with its sign.
TEST(LineLimits, RealsBeyondAFloatsRange)
{
    struct Case {
        std::string token;
        kit::FieldScanner::Result result;
        float value;
    } cases[] = {
        {"1e39", kit::FieldScanner::Result::Bad, 7},
        {"1e309", kit::FieldScanner::Result::Bad, 7},
        {"1.5E400", kit::FieldScanner::Result::Bad, 7},
        {"-2D999999", kit::FieldScanner::Result::Bad, 7},
        {"1" + std::string(309, '0'), kit::FieldScanner::Result::Bad, 7},
        {"0.000" + std::string(400, '0') + "1e450", kit::FieldScanner::Result::Bad, 7},
        {"1e-50", kit::FieldScanner::Result::Value, 0.0f},
        {"1e-400", kit::FieldScanner::Result::Value, 0.0f},
        {"-1.5D-400", kit::FieldScanner::Result::Value, -0.0f},
        {"0." + std::string(400, '0') + "1", kit::FieldScanner::Result::Value, 0.0f},
        {std::string(400, '0') + "1e-99999999999", kit::FieldScanner::Result::Value, 0.0f},
        {"3.4e38", kit::FieldScanner::Result::Value, 3.4e38f},
    };
    for (const Case& c : cases) {
        kit::FieldScanner s(c.token);
        float v = 7;
        EXPECT_EQ(s.next(v), c.result) << c.token.substr(0, 40);
        EXPECT_EQ(v, c.value) << c.token.substr(0, 40);
        EXPECT_EQ(std::signbit(v), std::signbit(c.value)) << c.token.substr(0, 40);
    }
}

} // namespace
