#pragma once
// The two result files of a quality level: the COPY commands that join them from the pieces, and
// the report of what was made.
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "HeaderFiles.h"
#include "ResultFiles.h"
#include "RunNames.h"

namespace belta {

inline constexpr std::string_view kBodyPairFile = "BODY1";
inline constexpr std::string_view kBodyScatterFile = "BODY2";

// The pieces a run writes in the current folder, in the order they are deleted.
inline constexpr std::array<std::string_view, 4> kPieces{kBodyPairFile, kBodyScatterFile, kPairHeaderFile,
                                                         kScatterHeaderFile};

// The full names of the two result files and the file names they were joined from.
struct ResultNames {
    LevelFileNames byLevel;
    Name INP_FIL;
    Name SCAT_FIL;
};
ResultNames resultNames(const Name& Results_path, std::int32_t LOWLEV);

// The two COPY commands that join the result files, with the names each is meant to join and
// write. A name holding blanks goes into a command in double quotes; otherwise the destination
// keeps its whole 256-character field.
std::vector<kit::PlannedCopy> resultCopies(const Name& BTT_NAME, const ResultNames& names);

// The result messages, given which of the two result files were made: a result file that was not
// made is reported, with its folder, instead of being claimed.
void reportResultFiles(const std::vector<bool>& made, const ResultNames& names, const Name& Results_path);

} // namespace belta
