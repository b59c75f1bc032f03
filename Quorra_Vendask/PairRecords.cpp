#include "PairRecords.h"

namespace vendask {

void BodyFiles::create()
{
    BODY1.create("BODY1");
    BODY2.create("BODY2");
    BODYY1.create("BODYY1");
    BODYY2.create("BODYY2");
}

void BodyFiles::close()
{
    BODY1.close();
    BODY2.close();
    BODYY1.close();
    BODYY2.close();
}

void PairRecordWriter::appendValues(Concentration c, const ObservationRecord& obs, const ModelRecord& mod)
{
    const bool max = c == Concentration::Max;
    // Lillestrom concentrations run larger, so they get wider fields.
    const int concentrationWidth = cph_ ? 10 : 13;
    record_.F(max ? obs.C_OBS : obs.CY_OBS, concentrationWidth, 1)
        .F(max ? mod.C_MOD : mod.CY_MOD, concentrationWidth, 1)
        .F(mod.DIST_M, 7, 2)
        .F(obs.USTAR, 7, 3);
    if (cph_)
        record_.F(obs.H_L, 7, 1).F(obs.ZMIX, 7, 0);
    else
        record_.F(obs.AL, 7, 0);
    record_.I(mod.MYR, 3).I(mod.MMO, 3).I(mod.MDY, 3).I(mod.MHR, 6);
}

std::string_view PairRecordWriter::pairDataRecord(Concentration c, const ObservationRecord& obs,
                                                  const ModelRecord& mod, int NNOBS)
{
    record_.clear().I(NNOBS, 1);
    appendValues(c, obs, mod);
    return record_.view();
}

std::string_view PairRecordWriter::scatterRecord(Concentration c, const ObservationRecord& obs,
                                                 const ModelRecord& mod)
{
    record_.clear();
    appendValues(c, obs, mod);
    return record_.view();
}

void PairRecordWriter::writePairRecords(BodyFiles& bodies, const ObservationRecord& obs, const ModelRecord& mod,
                                        int NNOBS)
{
    bodies.BODY1.writeLine(pairDataRecord(Concentration::Max, obs, mod, NNOBS));
    bodies.BODYY1.writeLine(pairDataRecord(Concentration::Cwi, obs, mod, NNOBS));
    bodies.BODY2.writeLine(scatterRecord(Concentration::Max, obs, mod));
    bodies.BODYY2.writeLine(scatterRecord(Concentration::Cwi, obs, mod));
}

} // namespace vendask
