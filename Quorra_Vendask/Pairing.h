#pragma once
// The observation-driven pairing: each observation looks forward in the model results for the
// record of its date, hour and arc; earlier model records and other arcs are passed over.
#include <string_view>

#include "PairRecords.h"
#include "TextInput.h"

namespace vendask {

// Both inputs are open at their first line, the body files open for writing. `MASTNAME` is the
// observation file's name as its 256-character buffer holds it, `Results_file` the model results
// file's name; both only serve the messages. Returns the number of pairs written, with the body
// files closed. A read error or an observation without its model record prints its message and
// throws kit::Stop; a missing first line is a run-time failure.
int pairObservations(bool cph, kit::TextInput& modelFile, kit::TextInput& observationFile, BodyFiles& bodies,
                     std::string_view MASTNAME, std::string_view Results_file);

} // namespace vendask
