#include "ResultHeaders.h"

#include "FixedFormat.h"
#include "TextOutput.h"

namespace kit {

void writePairDataHeader(std::string_view name, int N_REC, std::string_view shape, std::string_view labels)
{
    TextOutput out;
    Record r;
    out.create(name);
    out.writeLine(r.clear().text(" ").I(N_REC, 4).text(shape).view());
    out.writeLine(r.clear().text(" ").I(N_REC, 4).view());
    out.writeLine(labels);
    out.writeLine(" 'Block of all data'");
    out.close();
}

void writeScatterHeader(std::string_view name, int N_REC, std::string_view title, std::string_view ID_STR,
                        std::string_view quantity)
{
    TextOutput out;
    Record r;
    out.create(name);
    out.writeLine(r.clear().text(title).A(ID_STR, 12).view());
    out.writeLine(r.clear().text(" ").text(quantity).text("\\sub{obs}").view());
    out.writeLine(r.clear().text(" ").text(quantity).text("\\sub{mod}").view());
    out.writeLine(r.clear().I(N_REC, 4).text(" 1").view());
    out.writeLine("' '");
    out.close();
}

} // namespace kit
