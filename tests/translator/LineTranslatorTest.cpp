#include <gtest/gtest.h>

#include <string>

#include "Console.h"
#include "Failure.h"
#include "LineTranslation.h"

namespace traxo {
namespace {

using Answer = LineTranslator::Answer;

TEST(LineTranslator, AnswersAndPenCommandsInSequence)
{
    const struct {
        const char* line;
        Answer answer;
        const char* command;
    } steps[] = {
        {"0 0 M", Answer::Command, "PU1046,-1046;"},
        {"100 200 L", Answer::Command, "PD;PA1308,-523;"},
        {"stroke", Answer::Skipped, ""},
        {"%%Page: 2 2", Answer::Skipped, ""},
        {"10 20 M", Answer::Command, "PU1072,-994;"},
        {",30,M", Answer::Command, "PU1072,-968;"}, // an empty first value keeps the last one
        {"-10 -20 M lineto", Answer::Command, "PU1020,-1098;"},
        {"-400 400 translate", Answer::TranslationApplied, ""},
        {"0 0 M", Answer::Command, "PU   0,   0;"},
        {"400,-400,translate", Answer::TranslationApplied, ""},
        {"1,1,L", Answer::Command, "PD;PA1049,-1043;"},
        {"stroke gsave showpage grestore", Answer::PageEnd, ""},
        {"%%Trailer", Answer::DocumentEnd, ""},
    };
    LineTranslator translator;
    for (const auto& s : steps) {
        SCOPED_TRACE(s.line);
        ASSERT_EQ(translator.translate(Line(s.line)), s.answer);
        if (s.answer == Answer::Command) {
            EXPECT_EQ(translator.command(), s.command);
        }
    }
    EXPECT_EQ(translator.xOffset(), kStartXOffset);
    EXPECT_EQ(translator.yOffset(), kStartYOffset);
}

TEST(LineTranslator, UnknownMacroWordPrintsItsLinesAndStops)
{
    kit::Console captured(-1, false);
    kit::setConsoleForTesting(&captured);
    LineTranslator translator;
    EXPECT_THROW(translator.translate(Line("1 2 lineto")), kit::Stop);
    kit::setConsoleForTesting(nullptr);
    EXPECT_EQ(captured.captured(), "Macro lineto not understood\r\nExecution aborts.");
}

TEST(LineTranslator, UnreadableMacroLinesAreRunTimeFailures)
{
    const struct {
        const char* line;
        int exitCode;
    } cases[] = {
        {"", 2}, {"1 2", 2}, {" stroke", 3}, {"1 M", 3}, {"1.5 2 M", 3}, {"2147483648 0 M", 3}, {"M 1 2", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        LineTranslator translator;
        try {
            translator.translate(Line(c.line));
            ADD_FAILURE() << "no failure";
        } catch (const kit::RuntimeFailure& f) {
            EXPECT_EQ(f.exitCode(), c.exitCode);
        }
    }
}

// The run hands over the line as read, without padding it: the answers, pen commands and
// failures must be those of the 40-character line.
TEST(LineTranslator, LineAsReadActsAsItsFortyCharacters)
{
    const std::string indent(36, ' ');
    const std::string lines[] = {
        "1 2 M",
        "1 2 M   ",
        "1,2,L",
        "1 2",
        "1",
        "",
        "   ",
        "12 34 translate",
        ",,M",
        "5 6 lineto",
        indent + "1 2 M", // cut after the second value: no word
        indent + "12 M",
        std::string(35, ' ') + "1 2 Mx", // the word cut to "M"
        std::string(35, ' ') + "1 2 L 7",
        "1 2 " + std::string(40, 'w'), // a word longer than the line
        "1 2 M" + std::string(40, ' ') + "9 9 L",
        "%%Trailer" + std::string(40, 'x'),
        "stroke" + std::string(40, ' '),
    };
    LineTranslator padded;
    LineTranslator asRead;
    kit::Console captured(-1, false);
    kit::setConsoleForTesting(&captured);
    const auto outcome = [](LineTranslator& translator, auto&& line) {
        try {
            const Answer answer = translator.translate(line);
            return std::to_string(static_cast<int>(answer)) + " " + std::string(translator.command());
        } catch (const kit::RuntimeFailure& f) {
            return "failure " + std::to_string(f.exitCode()) + " " + f.what();
        } catch (const kit::Stop&) {
            return std::string("stop");
        }
    };
    for (const std::string& raw : lines) {
        SCOPED_TRACE(raw);
        EXPECT_EQ(outcome(asRead, std::string_view(raw)), outcome(padded, Line(raw)));
        EXPECT_EQ(asRead.xOffset(), padded.xOffset());
        EXPECT_EQ(asRead.yOffset(), padded.yOffset());
    }
    kit::setConsoleForTesting(nullptr);
}

} // namespace
} // namespace traxo
