#pragma once
// Joining the pieces into the four result files, and telling the user what was made.
#include <string>
#include <vector>

#include "PairingStops.h"
#include "RunNames.h"

namespace vendask {

// Runs the four COPY commands, checks each result file and prints the result messages.
// Returns true when all four result files were made whole.
bool joinResultFiles(bool cph, const RunNames& names);

// The four COPY commands that join the result files, with the names each is meant to join and
// write.
std::vector<kit::PlannedCopy> resultCopies(bool cph, const RunNames& names);

// Every file the run writes: the pieces in the current folder, then `results`.
std::vector<std::string> writtenFiles(const std::vector<std::string>& results);

// Removes the body and header pieces from the current folder.
void deleteTemporaries();

} // namespace vendask
