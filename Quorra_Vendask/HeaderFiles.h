#pragma once
// The header pieces of the four result files, written into the current folder after the pairing.
#include <string_view>

namespace vendask {

// Writes "HDR.MAX", "HDR.CWI", "HDRDAT.MAX" and "HDRDAT.CWI", in this order, each closed before
// the next is opened. `ID_STR` is the user's 12-character ID, blanks included.
void writeHeaderFiles(bool cph, int N_REC, std::string_view ID_STR);

} // namespace vendask
