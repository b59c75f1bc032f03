#pragma once
// The shape that nearly every macro line of a plot has: an integer, blanks, an integer, blanks
// and a word, with anything after a blank behind the word. Recognising that shape by itself
// spares those lines the general free-format read, which the other lines still get.
#include <cstdint>
#include <string_view>

namespace traxo {

struct MacroFields {
    std::int32_t first = 0;
    std::int32_t second = 0;
    std::string_view word; // the whole word, not yet cut to its 20 characters
};

// True when the line has the plain shape: the fields then hold exactly what the free-format
// read of two integers and a word gives. False only says that the line needs that read: it may
// hold commas, tabs, empty values, long numbers or no valid values at all.
bool scanPlainMacro(std::string_view line, MacroFields& fields);

} // namespace traxo
