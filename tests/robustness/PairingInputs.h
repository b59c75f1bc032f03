#pragma once
// The four input files of a pairing program (settings, model results, observations, trailer)
// as a bad-input row writes them: the program's file names with its good texts, of which a
// row replaces one or leaves one out.
#include <optional>
#include <string>
#include <vector>

#include "SweepCase.h"

namespace robust {

struct PairingInputs {
    // The names the program looks for in its folder.
    std::string settingsName, modelName, observationsName, trailerName;
    // The texts written under them; an absent one is not written at all.
    std::optional<std::string> settings, model, observations, trailer;

    PairingInputs withSettings(std::string text) const;
    PairingInputs withModel(std::string text) const;
    PairingInputs withObservations(std::string text) const;
    PairingInputs withoutObservations() const;
    PairingInputs withoutTrailer() const;
};

// Writes the inputs that are present.
SetUp files(PairingInputs inputs);

// The rows that end alike for both pairing programs, given their good inputs and the answers
// that complete a run: the good run itself, a settings file missing, a folder or unreadable,
// unreadable model results, observations that are a folder, empty model or observation files,
// and no standard input at all.
std::vector<SweepCase> rowsOfEveryPairingProgram(const PairingInputs& inputs, const std::string& answers);

} // namespace robust
