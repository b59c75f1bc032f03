#pragma once
// The Indianapolis input records and the lines written from them: the PairRecord (pair-data
// body) and the ScatterRecord (scatter-input body).
#include <cstdint>
#include <string_view>

#include "FixedFormat.h"

namespace belta {

// One record of "MASTER.IND". A null value in the file leaves a field as it was, so one object
// lives for the whole pass.
struct ObservationRecord {
    std::int32_t NYR = 0;
    std::int32_t NMO = 0;
    std::int32_t NDY = 0;
    std::int32_t NHR = 0;
    float DIST_N = 0;
    float C_OBS = 0;
    std::int32_t QUAL = 0;
    float USTAR = 0;
    float H_L = 0;
    float ZMIX = 0;
};

// One record of the model results file.
struct ModelResultRecord {
    std::int32_t MYR = 0;
    std::int32_t MMO = 0;
    std::int32_t MDY = 0;
    std::int32_t MHR = 0;
    float DIST_M = 0;
    float C_MOD = 0;
};

// (I1, 2F7.1, F7.2, F7.3, I7, F7.0, 5I3): 58 columns, the first always 1.
std::string_view formatPairRecord(kit::Record& record, const ObservationRecord& obs,
                                  const ModelResultRecord& model);
// The same without the leading 1: 57 columns.
std::string_view formatScatterRecord(kit::Record& record, const ObservationRecord& obs,
                                     const ModelResultRecord& model);

} // namespace belta
