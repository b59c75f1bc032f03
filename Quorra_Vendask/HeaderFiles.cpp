#include "HeaderFiles.h"

#include "FixedFormat.h"
#include "TextOutput.h"

namespace vendask {
namespace {

// The four lines that HAVK and MORVANTE expect in front of a pair-data body.
void writePairDataHeader(std::string_view name, int N_REC, std::string_view shape, std::string_view labels)
{
    kit::TextOutput out;
    kit::Record r;
    out.create(name);
    out.writeLine(r.clear().text(" ").I(N_REC, 4).text(shape).view());
    out.writeLine(r.clear().text(" ").I(N_REC, 4).view());
    out.writeLine(labels);
    out.writeLine(" 'Block of all data'");
    out.close();
}

// The five lines that TESSARY expects in front of a scatter body.
void writeScatterHeader(std::string_view name, int N_REC, std::string_view title, std::string_view ID_STR,
                        std::string_view quantity)
{
    kit::TextOutput out;
    kit::Record r;
    out.create(name);
    out.writeLine(r.clear().text(title).A(ID_STR, 12).view());
    out.writeLine(r.clear().text(" ").text(quantity).text("\\sub{obs}").view());
    out.writeLine(r.clear().text(" ").text(quantity).text("\\sub{mod}").view());
    out.writeLine(r.clear().I(N_REC, 4).text(" 1").view());
    out.writeLine("' '");
    out.close();
}

} // namespace

void writeHeaderFiles(bool cph, int N_REC, std::string_view ID_STR)
{
    if (cph) {
        writePairDataHeader("HDR.MAX", N_REC, "   2   1   4",
                            "   'C_OBS'   'C_MOD'   DIST     u*    h/L  zmix  YR MO DY  HRE ");
        writePairDataHeader("HDR.CWI", N_REC, "   2   1   4",
                            "   'CY_OBS'   'CY_MOD' DIST     u*    h/L  zmix  YR MO DY  HRE ");
        writeScatterHeader("HDRDAT.MAX", N_REC, " Copenhagen scatter  -  ", ID_STR, "c");
        writeScatterHeader("HDRDAT.CWI", N_REC, " Copenhagen CWI scatter  -  ", ID_STR, "cy");
    } else {
        writePairDataHeader("HDR.MAX", N_REC, "   2   1   2",
                            "      'C_OBS'      'C_MOD'   DIST     u*     L  YR MO DY  HRE ");
        writePairDataHeader("HDR.CWI", N_REC, "   2   1   4",
                            "      'CY_OBS'      'CY_MOD' DIST     u*     L  YR MO DY  HRE ");
        writeScatterHeader("HDRDAT.MAX", N_REC, " Lillestrom scatter  -  ", ID_STR, "c");
        writeScatterHeader("HDRDAT.CWI", N_REC, " Lillestrom CWI scatter  -  ", ID_STR, "cy");
    }
}

} // namespace vendask
