#pragma once
// The quality-filtered merge: walks "MASTER.IND" and the model results file side by side, both in
// ascending order of Date-time key and, within a key, of distance, and writes one PairRecord and
// one ScatterRecord for every observation whose key and distance equal the current model record's.
#include <cstdint>
#include <string_view>

#include "TextInput.h"
#include "TextOutput.h"

namespace belta {

struct PairingFiles {
    kit::TextInput& model;        // open at its start
    kit::TextInput& observations; // open at its start
    kit::TextOutput& BODY1;       // PairRecords
    kit::TextOutput& BODY2;       // ScatterRecords
};

// The names the read-error messages show.
struct PairingNames {
    std::string_view MASTNAME;     // in full, trailing blanks included
    std::string_view Results_file; // trimmed
};

// Returns N_REC, the number of pairs written, when either input ends (a record cut off by the
// end of its file is not used). A value that cannot be read stops the run with its message.
std::int32_t pairRecords(const PairingFiles& files, std::int32_t LOWLEV, const PairingNames& names);

} // namespace belta
