#pragma once
// What TRAXO makes of one line inside a page: the end of the document, the end of the page, a
// line to pass over, or a macro line "x y M" (move), "x y L" (line to) or "x y translate".
// Moves and line-tos become HP-GL/2 pen commands; translations shift the origin for every
// later line, on this page and the pages after it.
#include <cstdint>
#include <optional>
#include <string_view>

#include "PlotterCoordinates.h"
#include "Text.h"

namespace traxo {

// Only the first 40 characters of an input line count.
inline constexpr std::size_t kLineLength = 40;
using Line = kit::Text<kLineLength>;

enum class LineKind { DocumentEnd, PageEnd, Skipped, Macro };

// Decided by the first characters of the line, capitals and small letters apart; the first
// rule that holds wins, so "%%Trailer" is not taken for a comment, nor the page-end line for a
// "stroke" line.
LineKind classifyLine(std::string_view line);

class LineTranslator {
public:
    enum class Answer { DocumentEnd, PageEnd, Skipped, TranslationApplied, Command };

    // For Answer::Command, command() holds the pen command until the next call.
    // A macro word other than translate, M and L prints its two lines and throws kit::Stop;
    // a macro line without two integers and a word throws kit::RuntimeFailure.
    // Only the first 40 characters of the line count; a shorter one reads as if padded with
    // blanks.
    Answer translate(std::string_view line);
    Answer translate(const Line& line) { return translate(line.view()); }
    // As translate, but a macro word other than translate, M and L gives nothing instead of
    // stopping the run.
    std::optional<Answer> translateKnown(std::string_view line);
    std::string_view command() const { return {command_, commandLength_}; }

    double xOffset() const { return xOffset_; }
    double yOffset() const { return yOffset_; }

private:
    // Returns the macro word as it is to be compared: without its trailing blanks.
    std::string_view readMacro(std::string_view line);
    // The opening is a literal, so that its copy needs no call.
    template <std::size_t N>
    void makeCommand(const char (&opening)[N]);

    double xOffset_ = kStartXOffset;
    double yOffset_ = kStartYOffset;
    // A value left empty between two commas keeps what the previous macro line gave it.
    std::int32_t first_ = 0;
    std::int32_t second_ = 0;
    kit::Text<20> word_;
    char command_[96] = {};
    std::size_t commandLength_ = 0;
};

} // namespace traxo
