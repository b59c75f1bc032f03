#include "IndianapolisRecords.h"

namespace belta {
namespace {

// The fields both body records share, in their order, after the pair-data record's leading 1.
// The model supplies date, hour and distance; its hour fills both hour fields.
void appendPairFields(kit::Record& record, const ObservationRecord& obs, const ModelResultRecord& model)
{
    record.F(obs.C_OBS, 7, 1)
        .F(model.C_MOD, 7, 1)
        .F(model.DIST_M, 7, 2)
        .F(obs.USTAR, 7, 3)
        .I(model.MHR, 7)
        .F(obs.ZMIX, 7, 0)
        .I(model.MYR, 3)
        .I(model.MMO, 3)
        .I(model.MDY, 3)
        .I(model.MHR, 3)
        .I(obs.QUAL, 3);
}

} // namespace

std::string_view formatPairRecord(kit::Record& record, const ObservationRecord& obs,
                                  const ModelResultRecord& model)
{
    constexpr int NNOBS = 1;
    appendPairFields(record.clear().I(NNOBS, 1), obs, model);
    return record.view();
}

std::string_view formatScatterRecord(kit::Record& record, const ObservationRecord& obs,
                                     const ModelResultRecord& model)
{
    appendPairFields(record.clear(), obs, model);
    return record.view();
}

} // namespace belta
