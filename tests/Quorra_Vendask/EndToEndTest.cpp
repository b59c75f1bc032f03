// Whole runs that end normally: every console line, every result file, the clean-up.
#include <gtest/gtest.h>

#include "VendaskRun.h"

namespace kit_test {
namespace {

std::string copenhagenHeaderMax(int n)
{
    const std::string count = rightAligned(n, 4);
    return crlfLines({" " + count + "   2   1   4", " " + count,
                      "   'C_OBS'   'C_MOD'   DIST     u*    h/L  zmix  YR MO DY  HRE ",
                      " 'Block of all data'"});
}

TEST(VendaskRun, CopenhagenRunMakesTheFourResultFilesAndRemovesThePieces)
{
    ScratchFolder folder;
    writeCopenhagenInputs(folder);
    const ProgramRun r = runVendask(folder, "Run 7\r\n");

    EXPECT_EQ(r.out,
              crlfLines(kBannerLines + locationLines(true) + idPromptLines(true) +
                        Lines{"copy HDR.MAX+BODY1+kit\\cph.BTT runs\\CP.INP", " "} +
                        resultLines(true, "runs") + summaryLines(3)));
    EXPECT_EQ(r.err, kEndOfRun);
    EXPECT_EQ(r.exitCode, 0);

    EXPECT_EQ(folder.read("runs/CP.INP"), copenhagenHeaderMax(3) + crlfLines(kBody1Cph) + kTrailerCph);
    EXPECT_EQ(folder.read("runs/CPY.INP"),
              crlfLines({"    3   2   1   4", "    3",
                         "   'CY_OBS'   'CY_MOD' DIST     u*    h/L  zmix  YR MO DY  HRE ",
                         " 'Block of all data'"}) +
                  crlfLines(kBodyY1Cph) + kTrailerCph);
    EXPECT_EQ(
        folder.read("runs/CPSCAT.DAT"),
        crlfLines({" Copenhagen scatter  -  Run 7       ", " c\\sub{obs}", " c\\sub{mod}", "   3 1", "' '"}) +
            crlfLines(withoutBlockNumber(kBody1Cph)));
    EXPECT_EQ(folder.read("runs/CPYSCAT.DAT"),
              crlfLines({" Copenhagen CWI scatter  -  Run 7       ", " cy\\sub{obs}", " cy\\sub{mod}",
                         "   3 1", "' '"}) +
                  crlfLines(withoutBlockNumber(kBodyY1Cph)));

    EXPECT_EQ(folder.list(), (Lines{"Quorra_Vendask.ini", "kit", "runs"}));
    EXPECT_EQ(folder.list("runs"), (Lines{"CP.INP", "CPSCAT.DAT", "CPY.INP", "CPYSCAT.DAT", "MODEL.TXT"}));
}

TEST(VendaskRun, LillestromRunMakesTheFourResultFilesAndRemovesThePieces)
{
    ScratchFolder folder;
    writeLillestromInputs(folder);
    const ProgramRun r = runVendask(folder, "Winter\n");

    EXPECT_EQ(r.out,
              crlfLines(kBannerLines + locationLines(false) + idPromptLines(false) +
                        resultLines(false, "runs") + summaryLines(2)));
    EXPECT_EQ(r.err, kEndOfRun);
    EXPECT_EQ(r.exitCode, 0);

    EXPECT_EQ(folder.read("runs/LI.INP"),
              crlfLines({"    2   2   1   2", "    2",
                         "      'C_OBS'      'C_MOD'   DIST     u*     L  YR MO DY  HRE ",
                         " 'Block of all data'"}) +
                  crlfLines(kBody1Lil) + kTrailerLil);
    EXPECT_EQ(folder.read("runs/LIY.INP"),
              crlfLines({"    2   2   1   4", "    2",
                         "      'CY_OBS'      'CY_MOD' DIST     u*     L  YR MO DY  HRE ",
                         " 'Block of all data'"}) +
                  crlfLines(kBodyY1Lil) + kTrailerLil);
    EXPECT_EQ(
        folder.read("runs/LISCAT.DAT"),
        crlfLines({" Lillestrom scatter  -  Winter      ", " c\\sub{obs}", " c\\sub{mod}", "   2 1", "' '"}) +
            crlfLines(withoutBlockNumber(kBody1Lil)));
    EXPECT_EQ(folder.read("runs/LIYSCAT.DAT"),
              crlfLines({" Lillestrom CWI scatter  -  Winter      ", " cy\\sub{obs}", " cy\\sub{mod}",
                         "   2 1", "' '"}) +
                  crlfLines(withoutBlockNumber(kBodyY1Lil)));

    EXPECT_EQ(folder.list(), (Lines{"Quorra_Vendask.ini", "kit", "runs"}));
    EXPECT_EQ(folder.list("runs"), (Lines{"LI.INP", "LISCAT.DAT", "LIY.INP", "LIYSCAT.DAT", "MODEL.TXT"}));
}

// The location's case does not matter; the observation and trailer names are always lower case.
struct LocationCase {
    const char* value;
    bool cph;
};

class LocationSpelling : public ::testing::TestWithParam<LocationCase> {};

TEST_P(LocationSpelling, ChoosesTheLocationWhateverTheCase)
{
    ScratchFolder folder;
    const LocationCase c = GetParam();
    if (c.cph)
        writeCopenhagenInputs(folder, c.value);
    else
        writeLillestromInputs(folder, c.value);
    const ProgramRun r = runVendask(folder);
    const Lines copyLine = c.cph ? Lines{"copy HDR.MAX+BODY1+kit\\cph.BTT runs\\CP.INP", " "} : Lines{};
    EXPECT_EQ(r.out,
              crlfLines(kBannerLines + locationLines(c.cph) + idPromptLines(c.cph) + copyLine +
                        resultLines(c.cph, "runs") + summaryLines(c.cph ? 3 : 2)));
    EXPECT_EQ(r.exitCode, 0);
}

INSTANTIATE_TEST_SUITE_P(Values, LocationSpelling,
                         ::testing::Values(LocationCase{"cph", true}, LocationCase{"Cph", true},
                                           LocationCase{"CPH   ", true}, LocationCase{"lil", false},
                                           LocationCase{"Lil", false}, LocationCase{"LIL", false}));

// Runs that end normally under unusual inputs: the run's lines up to the ID question are those
// of the Copenhagen set-up, so each case gives what follows and the result files to compare.
struct NormalEndCase {
    const char* name;
    const char* model; // runs/MODEL.TXT, CR LF lines joined by "|"
    const char* input; // what the user types
    int pairs;
    const char* scatterTitle; // line 1 of CPSCAT.DAT
    Lines body1;
};

std::string fromBars(std::string_view s)
{
    Lines lines;
    std::size_t start = 0;
    for (std::size_t bar; (bar = s.find('|', start)) != std::string_view::npos; start = bar + 1)
        lines.emplace_back(s.substr(start, bar - start));
    lines.emplace_back(s.substr(start));
    return crlfLines(lines);
}

class NormalEnd : public ::testing::TestWithParam<NormalEndCase> {};

TEST_P(NormalEnd, WritesTheResultFilesOfThePairsFound)
{
    ScratchFolder folder;
    const NormalEndCase& c = GetParam();
    writeCopenhagenInputs(folder);
    folder.write("runs/MODEL.TXT", fromBars(c.model));
    const ProgramRun r = runVendask(folder, c.input);

    EXPECT_EQ(r.out,
              crlfLines(kBannerLines + locationLines(true) + idPromptLines(true) +
                        Lines{"copy HDR.MAX+BODY1+kit\\cph.BTT runs\\CP.INP", " "} +
                        resultLines(true, "runs") + summaryLines(c.pairs)));
    EXPECT_EQ(r.err, kEndOfRun);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(folder.read("runs/CP.INP"), copenhagenHeaderMax(c.pairs) + crlfLines(c.body1) + kTrailerCph);
    EXPECT_EQ(folder.read("runs/CPSCAT.DAT"),
              crlfLines({c.scatterTitle, " c\\sub{obs}", " c\\sub{mod}"}) +
                  crlfLines({rightAligned(c.pairs, 4) + " 1", "' '"}) +
                  crlfLines(withoutBlockNumber(c.body1)));
    EXPECT_EQ(folder.list(), (Lines{"Quorra_Vendask.ini", "kit", "runs"}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NormalEnd,
    ::testing::Values(NormalEndCase{"ModelFileWithOnlyItsHeading",
                                    "YR MO DY HRE DIST C C",
                                    "x\n",
                                    0,
                                    " Copenhagen scatter  -  x           ",
                                    {}},
                      NormalEndCase{
                          "ModelFileEndsBeforeTheObservations",
                          "YR MO DY HRE DIST C C|78 10 19 1200 1.9 987.6 2400000.04|78 10 19 1200 3.7 500.25",
                          "\n",
                          1,
                          " Copenhagen scatter  -              ",
                          {kBody1Cph[0]}},
                      NormalEndCase{"LongIdKeepsItsFirstTwelveCharacters",
                                    "YR MO DY HRE DIST C C|78 10 19 1200 1.9 987.6 2400000.04",
                                    "ABCDEFGHIJKLMNOP\n",
                                    1,
                                    " Copenhagen scatter  -  ABCDEFGHIJKL",
                                    {kBody1Cph[0]}},
                      NormalEndCase{"AnswerWithoutLineEnd",
                                    "YR MO DY HRE DIST C C|78 10 19 1200 1.9 987.6 2400000.04",
                                    "  Lead",
                                    1,
                                    " Copenhagen scatter  -    Lead      ",
                                    {kBody1Cph[0]}}),
    [](const auto& info) { return std::string(info.param.name); });

struct SplittingFolderNames {
    const char* label;
    const char* results;
    const char* kit;
};

class FolderNamesThatWouldSplit : public ::testing::TestWithParam<SplittingFolderNames> {};

// A blank ends a name in a command and a "+" joins two: names holding either go in quotes.
TEST_P(FolderNamesThatWouldSplit, AreQuotedInTheCopyCommands)
{
    ScratchFolder folder;
    const std::string results = GetParam().results, kit = GetParam().kit;
    writeCopenhagenInputs(folder);
    folder.write("Quorra_Vendask.ini", settings("cph", results, kit));
    folder.write(kit + "/MASTER.cph", kObservationsCph);
    folder.write(kit + "/cph.BTT", kTrailerCph);
    folder.write(results + "/MODEL.TXT", kModelCph);
    const ProgramRun r = runVendask(folder);

    EXPECT_EQ(
        r.out,
        crlfLines(kBannerLines + locationLines(true) + idPromptLines(true) +
                  Lines{"copy HDR.MAX+BODY1+\"" + kit + "\\cph.BTT\" \"" + results + "\\CP.INP\"", " "} +
                  resultLines(true, results) + summaryLines(3)));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(folder.read(results + "/CP.INP"), copenhagenHeaderMax(3) + crlfLines(kBody1Cph) + kTrailerCph);
    EXPECT_EQ(folder.list(results), (Lines{"CP.INP", "CPSCAT.DAT", "CPY.INP", "CPYSCAT.DAT", "MODEL.TXT"}));
}

INSTANTIATE_TEST_SUITE_P(Names, FolderNamesThatWouldSplit,
                         ::testing::Values(SplittingFolderNames{"WithBlanks", "model runs", "kit files"},
                                           SplittingFolderNames{"WithAPlus", "runs+1", "kit+x"}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(VendaskRun, FolderEndingInABackslashGetsASecondOne)
{
    ScratchFolder folder;
    writeCopenhagenInputs(folder);
    folder.write("Quorra_Vendask.ini", settings("cph", "runs\\", "kit\\"));
    const ProgramRun r = runVendask(folder);

    EXPECT_EQ(r.out,
              crlfLines(kBannerLines + locationLines(true) + idPromptLines(true) +
                        Lines{"copy HDR.MAX+BODY1+kit\\\\cph.BTT runs\\\\CP.INP", " "} +
                        resultLines(true, "runs\\") + summaryLines(3)));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(folder.read("runs/CP.INP"), copenhagenHeaderMax(3) + crlfLines(kBody1Cph) + kTrailerCph);
}

} // namespace
} // namespace kit_test

namespace kit_test {
namespace {

// The example folders must keep working where the demo copies them.
struct ExampleCase {
    const char* folder;
    bool cph;
    int pairs;
    Lines made;
};

class Example : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(Example, RunsInACopyOfItsFolder)
{
    ScratchFolder folder;
    const ExampleCase& c = GetParam();
    std::filesystem::copy(std::filesystem::path(VENDASK_EXAMPLES) / c.folder, folder.path(),
                          std::filesystem::copy_options::recursive);
    const Lines before = folder.list();
    const ProgramRun r = runVendask(folder, "Demo\n");

    const Lines copyLine = c.cph ? Lines{"copy HDR.MAX+BODY1+.\\cph.BTT .\\CP.INP", " "} : Lines{};
    EXPECT_EQ(r.out,
              crlfLines(kBannerLines + locationLines(c.cph) + idPromptLines(c.cph) + copyLine +
                        resultLines(c.cph, ".") + summaryLines(c.pairs)));
    EXPECT_EQ(r.exitCode, 0);
    Lines after = before + c.made;
    std::sort(after.begin(), after.end());
    EXPECT_EQ(folder.list(), after);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, Example,
    ::testing::Values(ExampleCase{"copenhagen", true, 39, {"CP.INP", "CPY.INP", "CPSCAT.DAT", "CPYSCAT.DAT"}},
                      ExampleCase{
                          "lillestrom", false, 30, {"LI.INP", "LIY.INP", "LISCAT.DAT", "LIYSCAT.DAT"}}),
    [](const auto& info) { return std::string(info.param.folder); });

} // namespace
} // namespace kit_test
