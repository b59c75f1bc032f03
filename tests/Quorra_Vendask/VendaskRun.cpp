#include "VendaskRun.h"

#include <utility>

namespace kit_test {

Lines withoutBlockNumber(const Lines& lines)
{
    Lines out;
    for (const std::string& l : lines)
        out.push_back(l.substr(1));
    return out;
}

std::string settings(const std::string& location, const std::string& resultsPath,
                     const std::string& masterPath)
{
    return crlfLines({"[Files]", "Location=" + location, "Results_path=" + resultsPath,
                      "Results_file=MODEL.TXT", "Master_path=" + masterPath});
}

Lines locationLines(bool cph)
{
    return {cph ? " The location is Copenhagen." : " THe location is Lillestrom.", " "};
}

Lines idPromptLines(bool cph)
{
    return {"      ",
            "Enter a short ID string (max 12 characters).",
            "It is added to the title for a scatter plot produced by TESSARY.",
            "The title reads:",
            cph ? "Copenhagen scatter - <your string>" : "Lillestrom scatter - <your string>",
            "  ==>   "};
}

Lines resultLines(bool cph, const std::string& folder, Lines made)
{
    if (made.empty())
        made = cph ? Lines{"CP.INP", "CPY.INP", "CPSCAT.DAT", "CPYSCAT.DAT"}
                   : Lines{"LI.INP", "LIY.INP", "LISCAT.DAT", "LIYSCAT.DAT"};
    Lines l = {" ", " The following files have been created in folder", folder + ":"};
    for (const std::string& name : made) {
        std::string entry(35, ' ');
        entry.append(name).resize(46, ' ');
        l.push_back(entry);
    }
    if (!cph)
        l.push_back(" ");
    for (const char* s : {"  ", " The files with extension .INP can be used as input for HAVK and MORVANTE.",
                          " The files with extension .DAT can be used as input for TESSARY.", " "})
        l.push_back(s);
    return l;
}

Lines summaryLines(int pairs)
{
    return {"", "Number of data records:  " + std::to_string(pairs), ""};
}

void writeCopenhagenInputs(const ScratchFolder& folder, const std::string& location)
{
    folder.write("Quorra_Vendask.ini", settings(location));
    folder.write("kit/MASTER.cph", kObservationsCph);
    folder.write("kit/cph.BTT", kTrailerCph);
    folder.write("runs/MODEL.TXT", kModelCph);
}

void writeLillestromInputs(const ScratchFolder& folder, const std::string& location)
{
    folder.write("Quorra_Vendask.ini", settings(location));
    folder.write("kit/MASTER.lil", kObservationsLil);
    folder.write("kit/lil.BTT", kTrailerLil);
    folder.write("runs/MODEL.TXT", kModelLil);
}

ProgramRun runVendask(const ScratchFolder& folder, std::string input, Environment environment)
{
    return runProgram({.program = VENDASK_BINARY,
                       .folder = folder.path(),
                       .input = std::move(input),
                       .environment = std::move(environment)});
}

} // namespace kit_test
