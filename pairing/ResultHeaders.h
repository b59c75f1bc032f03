#pragma once
// The header pieces that go in front of the bodies of the result files, each written into the
// current folder and closed before the next is opened.
#include <string_view>

namespace kit {

// The four lines that HAVK and MORVANTE expect in front of a pair-data body.
void writePairDataHeader(std::string_view name, int N_REC, std::string_view shape, std::string_view labels);

// The five lines that TESSARY expects in front of a scatter body; `ID_STR` is the user's
// 12-character ID, blanks included, and `quantity` the symbol of the concentration plotted.
void writeScatterHeader(std::string_view name, int N_REC, std::string_view title, std::string_view ID_STR,
                        std::string_view quantity);

} // namespace kit
