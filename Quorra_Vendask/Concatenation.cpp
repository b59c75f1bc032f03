#include "Concatenation.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "Console.h"

namespace vendask {
namespace {

struct ResultFile {
    std::string_view name;   // in Results_path
    std::string_view header; // header piece in the current folder
    std::string_view body;   // body piece in the current folder
    bool withTrailer;        // pair-data files end with the kit's trailer
};

constexpr std::array<ResultFile, 4> kCopenhagenFiles{{
    {"CP.INP", "HDR.MAX", "BODY1", true},
    {"CPY.INP", "HDR.CWI", "BODYY1", true},
    {"CPSCAT.DAT", "HDRDAT.MAX", "BODY2", false},
    {"CPYSCAT.DAT", "HDRDAT.CWI", "BODYY2", false},
}};

constexpr std::array<ResultFile, 4> kLillestromFiles{{
    {"LI.INP", "HDR.MAX", "BODY1", true},
    {"LIY.INP", "HDR.CWI", "BODYY1", true},
    {"LISCAT.DAT", "HDRDAT.MAX", "BODY2", false},
    {"LIYSCAT.DAT", "HDRDAT.CWI", "BODYY2", false},
}};

std::string destination(const RunNames& names, const ResultFile& f)
{
    return std::string(names.Prefix.trimmed()).append(f.name);
}

// "HDR.MAX+BODY1+trailer destination" or "HDRDAT.MAX+BODY2 destination": the sources joined by
// "+", names with blanks quoted so the command interpreter keeps them whole.
std::string copyOperands(const ResultFile& f, std::string_view trailer, std::string_view destination)
{
    std::string s;
    s.append(f.header).append("+").append(f.body);
    if (f.withTrailer)
        s.append("+").append(kit::commandName(trailer));
    s.append(" ").append(kit::commandName(destination));
    return s;
}

std::string copyCommand(const ResultFile& f, std::string_view trailer, std::string_view destination)
{
    return "COPY  " + copyOperands(f, trailer, destination);
}

} // namespace

std::vector<kit::PlannedCopy> resultCopies(bool cph, const RunNames& names)
{
    const std::string_view trailer = names.BTT_NAME.trimmed();
    std::vector<kit::PlannedCopy> copies;
    for (const ResultFile& f : cph ? kCopenhagenFiles : kLillestromFiles) {
        kit::PlannedCopy copy{.sources = {std::string(f.header), std::string(f.body)},
                              .destination = destination(names, f)};
        if (f.withTrailer)
            copy.sources.emplace_back(trailer);
        copy.command = copyCommand(f, trailer, copy.destination);
        copies.push_back(std::move(copy));
    }
    return copies;
}

void showFirstCopy(const RunNames& names)
{
    const ResultFile& first = kCopenhagenFiles.front();
    kit::console().line("copy ", copyOperands(first, names.BTT_NAME.trimmed(), destination(names, first)));
    kit::console().line(" ");
}

void reportResultFiles(bool cph, const RunNames& names, const std::vector<bool>& made)
{
    auto& con = kit::console();
    const auto& files = cph ? kCopenhagenFiles : kLillestromFiles;
    const std::string_view folder = names.Results_path.trimmed();
    for (std::size_t i = 0; i < files.size(); ++i)
        if (!made[i])
            kit::reportNotMade(files[i].name, folder);

    con.line(" ");
    if (std::find(made.begin(), made.end(), true) != made.end()) {
        con.line(" The following files have been created in folder");
        con.line(folder, ":");
        for (std::size_t i = 0; i < files.size(); ++i) {
            if (made[i]) {
                // The names stand in a column 46 characters wide.
                std::string entry(35, ' ');
                entry.append(files[i].name).resize(46, ' ');
                con.line(entry);
            }
        }
    }
    if (!cph)
        con.line(" ");
    con.line("  ");
    con.line(" The files with extension .INP can be used as input for HAVK and MORVANTE.");
    con.line(" The files with extension .DAT can be used as input for TESSARY.");
    con.line(" ");
}

} // namespace vendask
