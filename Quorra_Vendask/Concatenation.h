#pragma once
// Joining the pieces into the four result files, and telling the user what was made.
#include <array>
#include <string_view>
#include <vector>

#include "ResultFiles.h"
#include "RunNames.h"

namespace vendask {

// The pieces a run writes in the current folder, in the order they are deleted.
inline constexpr std::array<std::string_view, 8> kPieces{"BODY1",      "BODY2",      "BODYY1",  "BODYY2",
                                                         "HDRDAT.MAX", "HDRDAT.CWI", "HDR.MAX", "HDR.CWI"};

// The four COPY commands that join the result files, with the names each is meant to join and
// write.
std::vector<kit::PlannedCopy> resultCopies(bool cph, const RunNames& names);

// Shows the user how the first Copenhagen result file is put together; this line is never run.
void showFirstCopy(const RunNames& names);

// The result messages, given which of the four result files were made.
void reportResultFiles(bool cph, const RunNames& names, const std::vector<bool>& made);

} // namespace vendask
