#pragma once
// Joining the pieces into the four result files, and telling the user what was made.
#include <string>
#include <vector>

#include "RunNames.h"

namespace vendask {

// Runs the four COPY commands, checks each result file and prints the result messages.
// Returns true when all four result files were made whole.
bool joinResultFiles(bool cph, const RunNames& names);

// Every file the run writes: the pieces in the current folder and the four result files.
std::vector<std::string> writtenFiles(bool cph, const RunNames& names);

// Removes the body and header pieces from the current folder.
void deleteTemporaries();

} // namespace vendask
