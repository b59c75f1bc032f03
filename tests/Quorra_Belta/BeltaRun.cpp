#include "BeltaRun.h"

#include <initializer_list>
#include <utility>

namespace kit_test {

namespace {

// Joins texts; spares the compiler's false overlap warning on "literal" + string.
std::string cat(std::initializer_list<std::string_view> pieces)
{
    std::string text;
    for (std::string_view p : pieces)
        text.append(p);
    return text;
}

} // namespace

ProgramRun runBelta(const ScratchFolder& folder, std::string input, Environment environment)
{
    return runProgram({.program = BELTA_BINARY,
                       .folder = folder.path(),
                       .input = std::move(input),
                       .environment = std::move(environment)});
}

const std::vector<std::string> kBannerLines = {
    " This program produces several output files.",
    " They are for use by HAVK, MORVANTE and TESSARY.",
    " ",
    " Settings from the file Quorra_Belta.ini are used.",
    " ",
};

const std::vector<std::string> kQualityPromptLines = {
    "Choose quality level of data: ",
    "      0:   QUAL can have any value ",
    "      1:   QUAL 1, 2 and 3    ",
    "      2:   QUAL 2 and 3    ",
    "      3:   only QUAL 3     ",
    "      ",
    "                  ......(2 or 3 is recommended)...",
    "      ",
};

const std::vector<std::string> kIdPromptLines = {
    "      ",
    "Enter a short ID string (max 12 characters).",
    "It is added to the title for a scatter plot produced by TESSARY.",
    "The title reads:",
    "Indianapolis scatter - <your string>",
    "  ==>   ",
};

std::vector<std::string> summaryLines(std::string_view pairDataFile, std::string_view scatterFile, int N_REC)
{
    return {
        "",
        "",
        cat({" The file ", pairDataFile, " has been created."}),
        " It can be used as input for HAVK and MORVANTE.",
        "",
        "",
        "",
        cat({" The file ", scatterFile, " has been created."}),
        " It can be used as input for TESSARY.",
        "",
        "",
        cat({"Number of data records:  ", std::to_string(N_REC)}),
        "",
    };
}

const std::string kTrailer = " 'Trailer line one'\r\n 'Trailer line two'\r\n";

void writeIndianapolisInputs(const ScratchFolder& folder, const std::vector<std::string>& modelRecords,
                             const std::vector<std::string>& observationRecords)
{
    folder.writeLines("Quorra_Belta.ini",
                      {"[Files]", "Results_path=results", "Results_file=model.txt", "Master_path=master"});
    std::vector<std::string> model = {" YR MO DY HR DIST C_MOD"};
    model = model + modelRecords;
    folder.write("results/model.txt", crlfLines(model));
    std::vector<std::string> observations = {" YR MO DY HR DIST C_OBS QUAL USTAR H/L ZMIX"};
    observations = observations + observationRecords;
    folder.write("master/MASTER.IND", crlfLines(observations));
    folder.write("master/IND.BTT", kTrailer);
}

std::vector<std::string> completedRunLines(std::string_view pairDataFile, std::string_view scatterFile,
                                           int N_REC)
{
    std::vector<std::string> lines = kBannerLines;
    lines = lines + kQualityPromptLines;
    lines = lines + kIdPromptLines;
    lines = lines + summaryLines(pairDataFile, scatterFile, N_REC);
    return lines;
}

std::string pairDataFile(int N_REC, const std::vector<std::string>& pairRecords)
{
    const std::string count = rightAligned(N_REC, 4);
    std::vector<std::string> lines = {cat({" ", count, "   2   1   4"}), cat({" ", count}),
                                      " 'C_OBS' 'C_MOD' DIST     u*     HR  zmix  YR MO DY HR QUAL",
                                      " 'Block of all data'"};
    lines = lines + pairRecords;
    return crlfLines(lines) + kTrailer;
}

std::string scatterFile(std::string_view title, int N_REC, const std::vector<std::string>& pairRecords)
{
    std::vector<std::string> lines = {std::string(title), " c\\sub{obs}", " c\\sub{mod}",
                                      cat({rightAligned(N_REC, 4), " 1"}), "' '"};
    for (const std::string& p : pairRecords)
        lines.push_back(p.substr(1)); // the scatter record is the pair record without its leading count
    return crlfLines(lines);
}

} // namespace kit_test
