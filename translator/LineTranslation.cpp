#include "LineTranslation.h"

#include <cstring>
#include <string>

#include "Console.h"
#include "Failure.h"
#include "FreeFormat.h"
#include "PlotterCoordinates.h"

namespace traxo {
namespace {

bool beginsWith(std::string_view line, std::string_view start)
{
    return line.substr(0, start.size()) == start;
}

[[noreturn]] void unreadable(const Line& line, kit::FieldScanner::Result result)
{
    const std::string message = "Cannot read two integers and a macro word from the line \"" +
                                std::string(line.trimmed()) + "\"";
    throw kit::RuntimeFailure(result == kit::FieldScanner::Result::Exhausted ? kit::FailureCode::EndOfFile
                                                                            : kit::FailureCode::BadValue,
                              message);
}

template <class Value>
void readValue(kit::FieldScanner& scanner, Value& value, const Line& line)
{
    const kit::FieldScanner::Result result = scanner.next(value);
    if (result == kit::FieldScanner::Result::Exhausted || result == kit::FieldScanner::Result::Bad)
        unreadable(line, result);
}

} // namespace

LineKind classifyLine(std::string_view line)
{
    if (beginsWith(line, "%%Trailer"))
        return LineKind::DocumentEnd;
    if (beginsWith(line, "stroke gsave showpage grestore"))
        return LineKind::PageEnd;
    if (beginsWith(line, "stroke") || beginsWith(line, "%"))
        return LineKind::Skipped;
    return LineKind::Macro;
}

LineTranslator::Answer LineTranslator::translate(const Line& line)
{
    switch (classifyLine(line.view())) {
    case LineKind::DocumentEnd:
        return Answer::DocumentEnd;
    case LineKind::PageEnd:
        return Answer::PageEnd;
    case LineKind::Skipped:
        return Answer::Skipped;
    case LineKind::Macro:
        break;
    }

    readMacro(line);
    if (word_ == "translate") {
        xOffset_ += kScale * first_;
        yOffset_ += kScale * second_;
        return Answer::TranslationApplied;
    }
    if (word_ == "M") {
        makeCommand("PU");
        return Answer::Command;
    }
    if (word_ == "L") {
        makeCommand("PD;PA");
        return Answer::Command;
    }
    kit::console().line("Macro ", word_.trimmed(), " not understood");
    kit::console().line("Execution aborts.");
    throw kit::Stop{};
}

void LineTranslator::readMacro(const Line& line)
{
    kit::FieldScanner scanner(line.view());
    readValue(scanner, first_, line);
    readValue(scanner, second_, line);
    readValue(scanner, word_, line);
}

void LineTranslator::makeCommand(std::string_view opening)
{
    char* out = command_;
    std::memcpy(out, opening.data(), opening.size());
    out += opening.size();
    out = writeCoordinate(out, plotterCoordinate(first_, xOffset_));
    *out++ = ',';
    out = writeCoordinate(out, plotterCoordinate(second_, yOffset_));
    *out++ = ';';
    commandLength_ = static_cast<std::size_t>(out - command_);
}

} // namespace traxo
