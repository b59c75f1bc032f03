#include "PairRecords.h"

#include "FixedFormat.h"

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

// Copenhagen: I1, F10.1, F10.1, F7.2, F7.3, F7.1, F7.0, I3, I3, I3, I6 (64 columns).
// Lillestrom: I1, F13.1, F13.1, F7.2, F7.3, F7.0, I3, I3, I3, I6 (63 columns).
PairRecordWriter::PairRecordWriter(bool cph)
    : cph_(cph), concentrationWidth_(cph ? 10 : 13), length_(cph ? 64 : 63)
{
}

void PairRecordWriter::set(const ObservationRecord& obs, const ModelRecord& mod, int NNOBS)
{
    const int w = concentrationWidth_;
    kit::formatI(max_.data(), NNOBS, 1);
    kit::formatF(max_.data() + 1, obs.C_OBS, w, 1);
    kit::formatF(max_.data() + 1 + w, mod.C_MOD, w, 1);

    char* const tail = max_.data() + 1 + 2 * w;
    char* at = tail;
    kit::formatF(at, mod.DIST_M, 7, 2);
    kit::formatF(at += 7, obs.USTAR, 7, 3);
    at += 7;
    if (cph_) {
        kit::formatF(at, obs.H_L, 7, 1);
        kit::formatF(at += 7, obs.ZMIX, 7, 0);
    } else {
        kit::formatF(at, obs.AL, 7, 0);
    }
    kit::formatI(at += 7, mod.MYR, 3);
    kit::formatI(at += 3, mod.MMO, 3);
    kit::formatI(at += 3, mod.MDY, 3);
    kit::formatI(at += 3, mod.MHR, 6);

    // The CWI records differ only in the two concentrations.
    cwi_ = max_;
    kit::formatF(cwi_.data() + 1, obs.CY_OBS, w, 1);
    kit::formatF(cwi_.data() + 1 + w, mod.CY_MOD, w, 1);
}

void PairRecordWriter::writePairRecords(BodyFiles& bodies, const ObservationRecord& obs,
                                        const ModelRecord& mod, int NNOBS)
{
    set(obs, mod, NNOBS);
    bodies.BODY1.writeLine(pairDataRecord(Concentration::Max));
    bodies.BODYY1.writeLine(pairDataRecord(Concentration::Cwi));
    bodies.BODY2.writeLine(scatterRecord(Concentration::Max));
    bodies.BODYY2.writeLine(scatterRecord(Concentration::Cwi));
}

} // namespace vendask
