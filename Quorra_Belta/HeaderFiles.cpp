#include "HeaderFiles.h"

#include "ResultHeaders.h"

namespace belta {

void writeHeaderFiles(std::int32_t N_REC, const kit::Text<12>& ID_STR)
{
    kit::writePairDataHeader(kPairHeaderFile, N_REC, "   2   1   4",
                             " 'C_OBS' 'C_MOD' DIST     u*     HR  zmix  YR MO DY HR QUAL");
    kit::writeScatterHeader(kScatterHeaderFile, N_REC, " Indianapolis scatter  -  ", ID_STR.view(), "c");
}

} // namespace belta
