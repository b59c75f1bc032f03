#include "Pairing.h"

#include <string>

#include "Console.h"
#include "PairingStops.h"
#include "DateTimeKey.h"
#include "Failure.h"
#include "FreeFormat.h"
#include "JULIAN.h"
#include "Text.h"

namespace vendask {
namespace {

// The first line of each input is a heading; a file without one has nothing to pair.
void skipHeading(kit::RecordReader& reader, const kit::TextInput& file)
{
    if (!reader.skipLine())
        throw kit::RuntimeFailure(kit::FailureCode::EndOfFile, "End of file while reading " + file.name());
}

kit::ReadStatus readObservation(kit::RecordReader& reader, bool cph, ObservationRecord& o)
{
    if (cph)
        return reader.read(o.NYR, o.NMO, o.NDY, o.NHR, o.DIST_N, o.C_OBS, o.CY_OBS, o.USTAR, o.H_L, o.ZMIX);
    return reader.read(o.NYR, o.NMO, o.NDY, o.NHR, o.DIST_N, o.C_OBS, o.CY_OBS, o.USTAR, o.AL);
}

[[noreturn]] void stopOnMismatch(std::string_view MASTNAME, std::string_view Results_file,
                                 const ObservationRecord& o, const ModelRecord& m)
{
    auto& con = kit::console();
    con.line(" Error: mismatch between sets of Date-Time-Distance ");
    con.line(" values in ", kit::trimRight(MASTNAME), " detected.");
    con.line(" Execution stopped.");
    con.line(" ");
    con.line("Date etc. from ", kit::trimRight(MASTNAME), ": ");
    con.line(o.NYR, o.NMO, o.NDY, o.NHR, o.DIST_N);
    con.line(" ");
    con.line("Date etc. from ", kit::trimRight(Results_file), ":");
    con.line(m.MYR, m.MMO, m.MDY, m.MHR, m.DIST_M);
    throw kit::Stop{};
}

} // namespace

int pairObservations(bool cph, kit::TextInput& modelFile, kit::TextInput& observationFile, BodyFiles& bodies,
                     std::string_view MASTNAME, std::string_view Results_file)
{
    kit::RecordReader models(modelFile);
    kit::RecordReader observations(observationFile);
    skipHeading(models, modelFile);
    skipHeading(observations, observationFile);

    ObservationRecord obs;
    ModelRecord mod;
    PairRecordWriter writer(cph);
    int N_REC = 0;
    const int NNOBS = 1;

    for (;;) {
        const kit::ReadStatus obsStatus = readObservation(observations, cph, obs);
        if (obsStatus == kit::ReadStatus::End)
            break;
        if (obsStatus == kit::ReadStatus::Error)
            kit::stopObservationReadError(MASTNAME);
        const float D_TIME_N = dateTimeKey(obs.NYR, JULIAN(obs.NDY, obs.NMO, obs.NYR), obs.NHR);

        bool paired = false;
        for (;;) {
            const kit::ReadStatus modStatus =
                models.read(mod.MYR, mod.MMO, mod.MDY, mod.MHR, mod.DIST_M, mod.C_MOD, mod.CY_MOD);
            if (modStatus == kit::ReadStatus::End)
                break;
            if (modStatus == kit::ReadStatus::Error)
                kit::stopModelReadError(kit::trimRight(Results_file));
            const float D_TIME_M = dateTimeKey(mod.MYR, JULIAN(mod.MDY, mod.MMO, mod.MYR), mod.MHR);

            if (D_TIME_M < D_TIME_N)
                continue;
            if (D_TIME_M > D_TIME_N)
                stopOnMismatch(MASTNAME, Results_file, obs, mod);
            if (!sameArc(mod.DIST_M, obs.DIST_N))
                continue;
            paired = true;
            break;
        }
        if (!paired)
            break; // the model results ended: the remaining observations stay unpaired
        writer.writePairRecords(bodies, obs, mod, NNOBS);
        ++N_REC;
    }

    bodies.close();
    return N_REC;
}

} // namespace vendask
