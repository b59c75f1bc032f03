#include "LineTranslation.h"

#include <cstring>
#include <string>

#include "Console.h"
#include "Failure.h"
#include "FreeFormat.h"
#include "PlainMacro.h"
#include "PlotterCoordinates.h"

namespace traxo {
namespace {

bool beginsWith(std::string_view line, std::string_view start)
{
    return line.substr(0, start.size()) == start;
}

[[noreturn]] void unreadable(std::string_view line, kit::FieldScanner::Result result)
{
    const std::string message = "Cannot read two integers and a macro word from the line \"" +
        std::string(kit::trimRight(line)) + "\"";
    throw kit::RuntimeFailure(result == kit::FieldScanner::Result::Exhausted ? kit::FailureCode::EndOfFile
                                                                             : kit::FailureCode::BadValue,
                              message);
}

template <class Value>
void readValue(kit::FieldScanner& scanner, Value& value, std::string_view line)
{
    const kit::FieldScanner::Result result = scanner.next(value);
    if (result == kit::FieldScanner::Result::Exhausted || result == kit::FieldScanner::Result::Bad)
        unreadable(line, result);
}

} // namespace

LineKind classifyLine(std::string_view line)
{
    // The first character sets nearly every line apart: only "%" and "s" need a closer look.
    if (line.empty())
        return LineKind::Macro;
    if (line[0] == '%')
        return beginsWith(line, "%%Trailer") ? LineKind::DocumentEnd : LineKind::Skipped;
    if (line[0] == 's' && beginsWith(line, "stroke"))
        return beginsWith(line, "stroke gsave showpage grestore") ? LineKind::PageEnd : LineKind::Skipped;
    return LineKind::Macro;
}

LineTranslator::Answer LineTranslator::translate(std::string_view raw)
{
    if (const std::optional<Answer> answer = translateKnown(raw))
        return *answer;
    kit::console().line("Macro ", word_.trimmed(), " not understood");
    kit::console().line("Execution aborts.");
    throw kit::Stop{};
}

std::optional<LineTranslator::Answer> LineTranslator::translateKnown(std::string_view raw)
{
    // Blanks after the end of a short line would only separate values or be passed over, so
    // the line is read as it is, without padding it first.
    const std::string_view line = raw.substr(0, kLineLength);
    switch (classifyLine(line)) {
    case LineKind::DocumentEnd:
        return Answer::DocumentEnd;
    case LineKind::PageEnd:
        return Answer::PageEnd;
    case LineKind::Skipped:
        return Answer::Skipped;
    case LineKind::Macro:
        break;
    }

    const std::string_view word = readMacro(line);
    if (word == "translate") {
        xOffset_ += kScale * first_;
        yOffset_ += kScale * second_;
        return Answer::TranslationApplied;
    }
    if (word.size() == 1 && word[0] == 'M') {
        makeCommand("PU");
        return Answer::Command;
    }
    if (word.size() == 1 && word[0] == 'L') {
        makeCommand("PD;PA");
        return Answer::Command;
    }
    return std::nullopt;
}

std::string_view LineTranslator::readMacro(std::string_view line)
{
    MacroFields plain;
    if (scanPlainMacro(line, plain)) {
        first_ = plain.first;
        second_ = plain.second;
        word_ = plain.word;
        // The word holds no blanks, so its first 20 characters are the word without its padding.
        return plain.word.substr(0, word_.size());
    }
    kit::FieldScanner scanner(line);
    readValue(scanner, first_, line);
    readValue(scanner, second_, line);
    readValue(scanner, word_, line);
    return word_.trimmed();
}

template <std::size_t N>
void LineTranslator::makeCommand(const char (&opening)[N])
{
    char* out = command_;
    std::memcpy(out, opening, N - 1);
    out += N - 1;
    out = writePlotterCoordinate(out, first_, xOffset_);
    *out++ = ',';
    out = writePlotterCoordinate(out, second_, yOffset_);
    *out++ = ';';
    commandLength_ = static_cast<std::size_t>(out - command_);
}

} // namespace traxo
