#pragma once
// The header pieces of the two result files, written into the current folder after the pairing.
#include <cstdint>
#include <string_view>

#include "Text.h"

namespace belta {

inline constexpr std::string_view kPairHeaderFile = "IN_HDR.INP";
inline constexpr std::string_view kScatterHeaderFile = "IN_HDR.DAT";

// Writes "IN_HDR.INP" (four lines) and then "IN_HDR.DAT" (five lines).
void writeHeaderFiles(std::int32_t N_REC, const kit::Text<12>& ID_STR);

} // namespace belta
