#pragma once
// The four input files of a pairing program (settings, model results, observations, trailer)
// as a bad-input row writes them: the program's file names with its good texts, of which a
// row replaces one or leaves one out.
#include <optional>
#include <string>

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

} // namespace robust
