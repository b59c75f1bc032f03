#include "MergePairing.h"

#include <string>

#include "DateTimeKey.h"
#include "Failure.h"
#include "FixedFormat.h"
#include "FreeFormat.h"
#include "IndianapolisRecords.h"
#include "PairingStops.h"

namespace belta {
namespace {

// The heading line of an input has no end-of-file path of its own.
void passOverHeading(kit::RecordReader& reader, const kit::TextInput& in)
{
    if (!reader.skipLine())
        throw kit::RuntimeFailure(kit::FailureCode::EndOfFile,
                                  in.name() + ": end of file before the heading line");
}

enum class Next { Observation, ModelResult };

} // namespace

std::int32_t pairRecords(const PairingFiles& files, std::int32_t LOWLEV, const PairingNames& names)
{
    kit::RecordReader modelReader(files.model);
    kit::RecordReader observationReader(files.observations);
    passOverHeading(modelReader, files.model);
    passOverHeading(observationReader, files.observations);

    ObservationRecord obs;
    ModelResultRecord model;
    float D_TIME_N = 0;
    float D_TIME_M = 0;
    std::int32_t N_REC = 0;
    kit::Record line;

    Next next = Next::Observation;
    for (;;) {
        if (next == Next::Observation) {
            // Observations below the chosen quality are dropped; the model record stays current.
            do {
                switch (observationReader.read(obs.NYR, obs.NMO, obs.NDY, obs.NHR, obs.DIST_N, obs.C_OBS,
                                               obs.QUAL, obs.USTAR, obs.H_L, obs.ZMIX)) {
                case kit::ReadStatus::Ok:
                    break;
                case kit::ReadStatus::End:
                    return N_REC;
                case kit::ReadStatus::Error:
                    kit::stopObservationReadError(names.MASTNAME);
                }
            } while (obs.QUAL < LOWLEV);
            D_TIME_N = dateTimeKey(obs.NYR, obs.NMO, obs.NDY, obs.NHR);
        } else {
            switch (modelReader.read(model.MYR, model.MMO, model.MDY, model.MHR, model.DIST_M, model.C_MOD)) {
            case kit::ReadStatus::Ok:
                break;
            case kit::ReadStatus::End:
                return N_REC;
            case kit::ReadStatus::Error:
                kit::stopModelReadError(names.Results_file);
            }
            D_TIME_M = dateTimeKey(model.MYR, model.MMO, model.MDY, model.MHR);
        }

        // Whichever stream is behind moves on; equal keys and distances make a pair.
        if (D_TIME_N < D_TIME_M)
            next = Next::Observation;
        else if (D_TIME_M < D_TIME_N)
            next = Next::ModelResult;
        else if (obs.DIST_N < model.DIST_M)
            next = Next::Observation;
        else if (model.DIST_M < obs.DIST_N)
            next = Next::ModelResult;
        else {
            files.BODY1.writeLine(formatPairRecord(line, obs, model));
            files.BODY2.writeLine(formatScatterRecord(line, obs, model));
            ++N_REC;
            next = Next::Observation;
        }
    }
}

} // namespace belta
