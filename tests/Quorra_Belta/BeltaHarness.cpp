#include "BeltaHarness.h"

#include <initializer_list>
#include <utility>

namespace belta_test {

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

RunResult runBelta(const ScratchFolder& s, std::string input, std::optional<std::string> comspec)
{
    kit_test::Environment environment;
    if (comspec)
        environment.emplace_back("COMSPEC", *comspec);
    return kit_test::runProgram({.program = BELTA_BINARY,
                                 .folder = s.path(),
                                 .input = std::move(input),
                                 .environment = std::move(environment)});
}

void append(std::vector<std::string>& lines, const std::vector<std::string>& more)
{
    lines.insert(lines.end(), more.begin(), more.end());
}

const std::vector<std::string> bannerLines = {
    " This program produces several output files.",
    " They are for use by HAVK, MORVANTE and TESSARY.",
    " ",
    " Settings from the file Quorra_Belta.ini are used.",
    " ",
};

const std::vector<std::string> qualityPromptLines = {
    "Choose quality level of data: ",
    "      0:   QUAL can have any value ",
    "      1:   QUAL 1, 2 and 3    ",
    "      2:   QUAL 2 and 3    ",
    "      3:   only QUAL 3     ",
    "      ",
    "                  ......(2 or 3 is recommended)...",
    "      ",
};

const std::vector<std::string> idPromptLines = {
    "      ",
    "Enter a short ID string (max 12 characters).",
    "It is added to the title for a scatter plot produced by TESSARY.",
    "The title reads:",
    "Indianapolis scatter - <your string>",
    "  ==>   ",
};

const std::string endOfRunLines = "Program Completed\nPress Enter to Continue.\n";

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

const std::string standardTrailer = " 'Trailer line one'\r\n 'Trailer line two'\r\n";

void writeStandardLayout(const ScratchFolder& s, const std::vector<std::string>& modelRecords,
                         const std::vector<std::string>& observationRecords)
{
    s.writeLines("Quorra_Belta.ini",
                 {"[Files]", "Results_path=results", "Results_file=model.txt", "Master_path=master"});
    std::vector<std::string> model = {" YR MO DY HR DIST C_MOD"};
    append(model, modelRecords);
    s.write("results/model.txt", crlfLines(model));
    std::vector<std::string> observations = {" YR MO DY HR DIST C_OBS QUAL USTAR H/L ZMIX"};
    append(observations, observationRecords);
    s.write("master/MASTER.IND", crlfLines(observations));
    s.write("master/IND.BTT", standardTrailer);
}

std::vector<std::string> completedRunLines(std::string_view pairDataFile, std::string_view scatterFile, int N_REC)
{
    std::vector<std::string> lines = bannerLines;
    append(lines, qualityPromptLines);
    append(lines, idPromptLines);
    append(lines, summaryLines(pairDataFile, scatterFile, N_REC));
    return lines;
}

std::string pairDataFile(int N_REC, const std::vector<std::string>& pairRecords)
{
    const std::string count = kit_test::rightAligned(N_REC, 4);
    std::vector<std::string> lines = {cat({" ", count, "   2   1   4"}), cat({" ", count}),
                                      " 'C_OBS' 'C_MOD' DIST     u*     HR  zmix  YR MO DY HR QUAL",
                                      " 'Block of all data'"};
    append(lines, pairRecords);
    return crlfLines(lines) + standardTrailer;
}

std::string scatterFile(std::string_view title, int N_REC, const std::vector<std::string>& pairRecords)
{
    std::vector<std::string> lines = {std::string(title), " c\\sub{obs}", " c\\sub{mod}", cat({kit_test::rightAligned(N_REC, 4), " 1"}),
                                      "' '"};
    for (const std::string& p : pairRecords)
        lines.push_back(p.substr(1));  // the scatter record is the pair record without its leading count
    return crlfLines(lines);
}

} // namespace belta_test
