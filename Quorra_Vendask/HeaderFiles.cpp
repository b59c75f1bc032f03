#include "HeaderFiles.h"

#include "ResultHeaders.h"

namespace vendask {
namespace {

// What the header pieces of a location say; the crosswind-integrated pair-data header has the
// same shape at both locations.
struct HeaderTexts {
    std::string_view maxShape;
    std::string_view maxLabels;
    std::string_view cwiLabels;
    std::string_view maxTitle;
    std::string_view cwiTitle;
};

constexpr HeaderTexts kCopenhagenTexts{"   2   1   4",
                                       "   'C_OBS'   'C_MOD'   DIST     u*    h/L  zmix  YR MO DY  HRE ",
                                       "   'CY_OBS'   'CY_MOD' DIST     u*    h/L  zmix  YR MO DY  HRE ",
                                       " Copenhagen scatter  -  ", " Copenhagen CWI scatter  -  "};

constexpr HeaderTexts kLillestromTexts{"   2   1   2",
                                       "      'C_OBS'      'C_MOD'   DIST     u*     L  YR MO DY  HRE ",
                                       "      'CY_OBS'      'CY_MOD' DIST     u*     L  YR MO DY  HRE ",
                                       " Lillestrom scatter  -  ", " Lillestrom CWI scatter  -  "};

} // namespace

void writeHeaderFiles(bool cph, int N_REC, std::string_view ID_STR)
{
    const HeaderTexts& t = cph ? kCopenhagenTexts : kLillestromTexts;
    kit::writePairDataHeader("HDR.MAX", N_REC, t.maxShape, t.maxLabels);
    kit::writePairDataHeader("HDR.CWI", N_REC, "   2   1   4", t.cwiLabels);
    kit::writeScatterHeader("HDRDAT.MAX", N_REC, t.maxTitle, ID_STR, "c");
    kit::writeScatterHeader("HDRDAT.CWI", N_REC, t.cwiTitle, ID_STR, "cy");
}

} // namespace vendask
