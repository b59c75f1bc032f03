#pragma once
// Turning the temporary pieces into the two result files with COPY commands, the summary that
// reports them, and the DEL commands that clear the pieces away.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "PairingStops.h"
#include "RunNames.h"

namespace belta {

inline constexpr std::string_view bodyPairFile = "BODY1";
inline constexpr std::string_view bodyScatterFile = "BODY2";

// The full names of the two result files and the file names they were joined from.
struct ResultNames {
    LevelFileNames byLevel;
    Name INP_FIL;
    Name SCAT_FIL;
};
ResultNames resultNames(const Name& Results_path, std::int32_t LOWLEV);

struct JoinedResults {
    bool pairDataMade;
    bool scatterMade;
    bool allMade() const { return pairDataMade && scatterMade; }
};

// Runs both COPY commands and checks each result file. A name holding blanks goes into a command
// in double quotes; otherwise the destination keeps its whole 256-character field.
JoinedResults joinResultFiles(const Name& BTT_NAME, const ResultNames& names);

// The summary lines; a result file that was not made is reported, with its folder, instead of
// being claimed.
void writeSummary(const JoinedResults& made, const ResultNames& names, const Name& Results_path,
                  std::int32_t N_REC);

// The two COPY commands that join the result files, with the names each is meant to join and
// write.
std::vector<kit::PlannedCopy> resultCopies(const Name& BTT_NAME, const ResultNames& names);

// The pieces a run writes in the current folder.
std::vector<std::string> pieceFiles();

// DEL of the two bodies and the two headers.
void deleteTemporaries();

} // namespace belta
