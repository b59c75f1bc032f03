// The COPY and DEL commands a run gives the command interpreter, and what the run reports when
// a result file could not be made.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "BeltaRun.h"

namespace kit_test {
namespace {

const std::vector<std::string> model = {"85 9 16 11 1.0 200.0", "85 9 16 12 1.0 300.0"};
const std::vector<std::string> observations = {"85 9 16 11 1.0 190.0 3 0.4 -1 500",
                                               "85 9 16 12 1.0 290.0 3 0.4 -1 500"};
const std::vector<std::string> pairs = {"1  190.0  200.0   1.00  0.400     11   500. 85  9 16 11  3",
                                        "1  290.0  300.0   1.00  0.400     12   500. 85  9 16 12  3"};
const char* const title = " Indianapolis scatter  -  cmd         ";

// A command interpreter that writes each command text between brackets to a log and, when
// `carryOut`, joins the result files and deletes files itself.
std::string writeInterpreter(const ScratchFolder& folder, bool carryOut, const std::string& trailer,
                             const std::string& pairData, const std::string& scatter)
{
    const std::string path = folder.aside("interpreter.sh").string();
    std::string script =
        "#!/bin/sh\nprintf '[%s]\\n' \"$2\" >> '" + folder.aside("commands.log").string() + "'\n";
    if (carryOut)
        script += "case \"$2\" in\n"
                  "  'COPY  IN_HDR.INP'*) cat IN_HDR.INP BODY1 '" +
            trailer + "' > '" + pairData +
            "' ;;\n"
            "  'COPY  IN_HDR.DAT'*) cat IN_HDR.DAT BODY2 > '" +
            scatter +
            "' ;;\n"
            "  'DEL '*) rm \"${2#DEL }\" ;;\n"
            "esac\n";
    folder.write("../interpreter.sh", script);
    ::chmod(path.c_str(), 0755);
    return path;
}

std::string commandLog(const std::vector<std::string>& commands)
{
    std::string log;
    for (const std::string& c : commands)
        log += "[" + c + "]\n";
    return log;
}

const std::vector<std::string> deletions = {"DEL BODY1", "DEL BODY2", "DEL IN_HDR.INP", "DEL IN_HDR.DAT"};

TEST(CommandText, CopyDestinationsKeepTheirWholeNameField)
{
    ScratchFolder folder;
    writeIndianapolisInputs(folder, model, observations);
    const std::string interpreter =
        writeInterpreter(folder, true, "master/IND.BTT", "results/IN2.INP", "results/INSCAT2.DAT");

    const ProgramRun r = runBelta(folder, "2\ncmd\n", {{"COMSPEC", interpreter}});

    std::vector<std::string> expected = {"COPY  IN_HDR.INP+ BODY1 + master\\IND.BTT " +
                                             field("results\\IN2.INP", 256),
                                         "COPY  IN_HDR.DAT+ BODY2 " + field("results\\INSCAT2.DAT", 256)};
    EXPECT_EQ(expected[0].size(), 283u + std::string_view("master\\IND.BTT").size());
    EXPECT_EQ(expected[1].size(), 280u);
    expected = expected + deletions;
    EXPECT_EQ(folder.read("../commands.log"), commandLog(expected));
    EXPECT_EQ(r.out, crlfLines(completedRunLines("results\\IN2.INP", "results\\INSCAT2.DAT", 2)));
    EXPECT_EQ(r.err, kEndOfRun);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(folder.list(), (std::vector<std::string>{"Quorra_Belta.ini", "master", "results"}));
}

// Folders named with blanks, leading ones included: such names go into the commands in quotes.
void writeBlankNamedLayout(const ScratchFolder& folder)
{
    writeIndianapolisInputs(folder, model, observations);
    std::filesystem::rename(folder.path() / "master", folder.path() / "my master");
    std::filesystem::rename(folder.path() / "results", folder.path() / " out");
    folder.writeLines("Quorra_Belta.ini",
                      {"[Files]", "Results_path= out", "Results_file=model.txt", "Master_path=my master"});
}

TEST(CommandText, NamesHoldingBlanksAreQuoted)
{
    ScratchFolder folder;
    writeBlankNamedLayout(folder);
    const std::string interpreter =
        writeInterpreter(folder, true, "my master/IND.BTT", " out/IN3.INP", " out/INSCAT3.DAT");

    const ProgramRun r = runBelta(folder, "3\ncmd\n", {{"COMSPEC", interpreter}});

    std::vector<std::string> expected = {"COPY  IN_HDR.INP+ BODY1 + \"my master\\IND.BTT\" \" out\\IN3.INP\"",
                                         "COPY  IN_HDR.DAT+ BODY2 \" out\\INSCAT3.DAT\""};
    expected = expected + deletions;
    EXPECT_EQ(folder.read("../commands.log"), commandLog(expected));
    EXPECT_EQ(r.exitCode, 0);
}

TEST(CommandText, BuiltInCopyMakesFilesInFoldersNamedWithBlanks)
{
    ScratchFolder folder;
    writeBlankNamedLayout(folder);

    const ProgramRun r = runBelta(folder, "3\ncmd\n");

    EXPECT_EQ(r.out, crlfLines(completedRunLines(" out\\IN3.INP", " out\\INSCAT3.DAT", 2)));
    EXPECT_EQ(r.err, kEndOfRun);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(folder.read(" out/IN3.INP"), pairDataFile(2, pairs));
    EXPECT_EQ(folder.read(" out/INSCAT3.DAT"), scatterFile(title, 2, pairs));
    EXPECT_EQ(folder.list(), (std::vector<std::string>{" out", "Quorra_Belta.ini", "my master"}));
}

std::vector<std::string> summaryOf(const std::string& pairDataLine1, const std::string& pairDataLine2,
                                   const std::string& scatterLine1, const std::string& scatterLine2)
{
    std::vector<std::string> lines = kBannerLines;
    lines = lines + kQualityPromptLines;
    lines = lines + kIdPromptLines;
    lines = lines + Lines{"", "", pairDataLine1};
    if (!pairDataLine2.empty())
        lines.push_back(pairDataLine2);
    lines = lines + Lines{"", "", "", scatterLine1};
    if (!scatterLine2.empty())
        lines.push_back(scatterLine2);
    lines = lines + Lines{"", "", "Number of data records:  2", ""};
    return lines;
}

const std::string pairDataMade = " The file results\\IN2.INP has been created.";
const std::string pairDataUse = " It can be used as input for HAVK and MORVANTE.";
const std::string scatterMade = " The file results\\INSCAT2.DAT has been created.";
const std::string scatterUse = " It can be used as input for TESSARY.";
const std::string pairDataNotMade = " Error: the file IN2.INP could not be made in the folder results";
const std::string scatterNotMade = " Error: the file INSCAT2.DAT could not be made in the folder results";
const std::vector<std::string> piecesAndInputs = {
    "BODY1", "BODY2", "IN_HDR.DAT", "IN_HDR.INP", "Quorra_Belta.ini", "master", "results"};

struct NotMadeCase {
    const char* what;
    const char* folderInTheWay;
    std::vector<std::string> console;
    const char* err;
};

void PrintTo(const NotMadeCase& c, std::ostream* os)
{
    *os << c.what;
}

const NotMadeCase notMadeCases[] = {
    {"pair-data file blocked by a folder", "results/IN2.INP",
     summaryOf(pairDataNotMade, "", scatterMade, scatterUse), "COPY: results\\IN2.INP is a folder\n"},
    {"scatter-input file blocked by a folder", "results/INSCAT2.DAT",
     summaryOf(pairDataMade, pairDataUse, scatterNotMade, ""), "COPY: results\\INSCAT2.DAT is a folder\n"},
};

class NotMade : public testing::TestWithParam<NotMadeCase> {};

TEST_P(NotMade, IsReportedWithItsFolderAndPiecesStay)
{
    const NotMadeCase& c = GetParam();
    ScratchFolder folder;
    writeIndianapolisInputs(folder, model, observations);
    folder.makeFolder(c.folderInTheWay);

    const ProgramRun r = runBelta(folder, "2\ncmd\n");

    EXPECT_EQ(r.out, crlfLines(c.console));
    EXPECT_EQ(r.err, std::string(c.err) + kEndOfRun);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(folder.list(), piecesAndInputs);
    EXPECT_EQ(folder.read("BODY1"), crlfLines(pairs));
}

INSTANTIATE_TEST_SUITE_P(Results, NotMade, testing::ValuesIn(notMadeCases),
                         [](const testing::TestParamInfo<NotMadeCase>& info) {
                             return "case" + std::to_string(info.index);
                         });

TEST(CommandText, InterpreterThatMakesNothingLeavesNoDeletions)
{
    ScratchFolder folder;
    writeIndianapolisInputs(folder, model, observations);
    const std::string interpreter = writeInterpreter(folder, false, "", "", "");

    const ProgramRun r = runBelta(folder, "2\ncmd\n", {{"COMSPEC", interpreter}});

    EXPECT_EQ(folder.read("../commands.log"),
              commandLog({"COPY  IN_HDR.INP+ BODY1 + master\\IND.BTT " + field("results\\IN2.INP", 256),
                          "COPY  IN_HDR.DAT+ BODY2 " + field("results\\INSCAT2.DAT", 256)}));
    EXPECT_EQ(r.out, crlfLines(summaryOf(pairDataNotMade, "", scatterNotMade, "")));
    EXPECT_EQ(r.err, kEndOfRun);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(folder.list(), piecesAndInputs);
}

} // namespace
} // namespace kit_test
