#pragma once
// The records that the pairing reads. They live for the whole pairing and keep the last values
// read: a null value in a free-format record leaves the field as the record before set it.
#include <cstdint>

namespace vendask {

// One line of the observation file. Copenhagen gives h/L and the mixing height after u*,
// Lillestrom gives the Monin-Obukhov length instead.
struct ObservationRecord {
    std::int32_t NYR = 0, NMO = 0, NDY = 0, NHR = 0;
    float DIST_N = 0, C_OBS = 0, CY_OBS = 0, USTAR = 0;
    float H_L = 0, ZMIX = 0; // Copenhagen
    float AL = 0;            // Lillestrom
};

// One line of the model results file, the same for both locations.
struct ModelRecord {
    std::int32_t MYR = 0, MMO = 0, MDY = 0, MHR = 0;
    float DIST_M = 0, C_MOD = 0, CY_MOD = 0;
};

} // namespace vendask
