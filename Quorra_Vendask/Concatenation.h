#pragma once
// Joining the pieces into the four result files, and telling the user what was made.
#include "RunNames.h"

namespace vendask {

// Runs the four COPY commands, checks each result file and prints the result messages.
// Returns true when all four result files were made whole.
bool joinResultFiles(bool cph, const RunNames& names);

// Removes the body and header pieces from the current folder.
void deleteTemporaries();

} // namespace vendask
