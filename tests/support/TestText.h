#pragma once
// Texts as the programs write them, for building expected output.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kit_test {

using Lines = std::vector<std::string>;

// The lines of `a`, then those of `b`: expected console text is put together so, part by part.
Lines operator+(Lines a, const Lines& b);

// Lines each ended by CR LF. The programs' files hold lines so; their console output to a file
// or pipe comes to the same bytes: the first line preceded by nothing, each later line by CR LF,
// and the last one ended by CR LF when the run ends.
std::string crlfLines(const std::vector<std::string>& lines);

// A number right-aligned in `width` columns; a wider number keeps all its digits.
std::string rightAligned(long long value, std::size_t width);

// A text in a character field of `width` columns: blanks after it, cut when longer.
std::string field(std::string_view text, std::size_t width);

// Writes a file of `head`, a line of `length` characters "x" and `tail`, in pieces, so that a
// test of huge lines does not hold them in memory.
void writeLongLine(const std::filesystem::path& file, std::string_view head, std::size_t length,
                   std::string_view tail);

} // namespace kit_test
