// Result files that the command interpreter could not make, and the command texts themselves.
#include <sys/stat.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "FaultInjection.h"
#include "VendaskRun.h"

namespace kit_test {
namespace {

TEST(VendaskRun, ResultFileThatCannotBeMadeIsNamedAndThePiecesStay)
{
    ScratchFolder folder;
    writeCopenhagenInputs(folder);
    std::filesystem::create_directory(folder / "runs/CP.INP");
    const ProgramRun r = runVendask(folder);

    EXPECT_EQ(r.out,
              crlfLines(kBannerLines + locationLines(true) + idPromptLines(true) +
                        Lines{"copy HDR.MAX+BODY1+kit\\cph.BTT runs\\CP.INP", " ",
                              " Error: the file CP.INP could not be made in the folder runs"} +
                        resultLines(true, "runs", {"CPY.INP", "CPSCAT.DAT", "CPYSCAT.DAT"}) +
                        summaryLines(3)));
    EXPECT_EQ(r.err, "COPY: runs\\CP.INP is a folder\n" + kEndOfRun);
    EXPECT_EQ(r.exitCode, 1);

    // No DEL ran: every piece is still there, whole.
    EXPECT_EQ(folder.list(),
              Lines({"BODY1", "BODY2", "BODYY1", "BODYY2", "HDR.CWI", "HDR.MAX", "HDRDAT.CWI", "HDRDAT.MAX",
                     "Quorra_Vendask.ini", "kit", "runs"}));
    EXPECT_EQ(folder.read("BODY1"), crlfLines(kBody1Cph));
    EXPECT_EQ(folder.read("HDR.MAX"),
              crlfLines({"    3   2   1   4", "    3",
                         "   'C_OBS'   'C_MOD'   DIST     u*    h/L  zmix  YR MO DY  HRE ",
                         " 'Block of all data'"}));
    EXPECT_EQ(folder.read("runs/CPY.INP"), folder.read("HDR.CWI") + folder.read("BODYY1") + kTrailerCph);
    EXPECT_EQ(folder.read("runs/CPYSCAT.DAT"), folder.read("HDRDAT.CWI") + folder.read("BODYY2"));
}

Lines noneMadeLines()
{
    Lines l = kBannerLines + locationLines(true) + idPromptLines(true) +
        Lines{"copy HDR.MAX+BODY1+kit\\cph.BTT runs\\CP.INP", " "};
    for (const char* name : {"CP.INP", "CPY.INP", "CPSCAT.DAT", "CPYSCAT.DAT"})
        l.push_back(std::string(" Error: the file ") + name + " could not be made in the folder runs");
    return l +
        Lines{" ", "  ", " The files with extension .INP can be used as input for HAVK and MORVANTE.",
              " The files with extension .DAT can be used as input for TESSARY.", " "} +
        summaryLines(3);
}

Lines piecesAndInputs()
{
    Lines left = kTemporaries + Lines{"Quorra_Vendask.ini", "kit", "runs"};
    std::sort(left.begin(), left.end());
    return left;
}

// A disk that cannot take what was written: a result that is not on disk is not made, so the
// pieces, its only other copy, stay; the older result stands.
TEST(VendaskRun, ResultsThatCannotBeSyncedAreNotMadeAndThePiecesStay)
{
    ScratchFolder folder;
    writeCopenhagenInputs(folder);
    folder.write("runs/CP.INP", "the result of an earlier run");

    const ProgramRun r = runVendask(folder, "Test run\n", faultEnvironment({.failingSyncs = true}));

    EXPECT_EQ(r.out, crlfLines(noneMadeLines()));
    EXPECT_EQ(r.err,
              "COPY: cannot create runs\\CP.INP: Input/output error\n"
              "COPY: cannot create runs\\CPY.INP: Input/output error\n"
              "COPY: cannot create runs\\CPSCAT.DAT: Input/output error\n"
              "COPY: cannot create runs\\CPYSCAT.DAT: Input/output error\n" +
                  kEndOfRun);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(folder.read("runs/CP.INP"), "the result of an earlier run");
    EXPECT_EQ(folder.list("runs"), (Lines{"CP.INP", "MODEL.TXT"}));
    EXPECT_EQ(folder.list(), piecesAndInputs());
    EXPECT_EQ(folder.read("BODY1"), crlfLines(kBody1Cph));
}

// A file system that ends the in-kernel copy early changes nothing: every result is the whole
// join, as where the copy goes through at once, and only it replaces the older result.
TEST(VendaskRun, CopiesEndedEarlyByTheFileSystemStillJoinEveryByte)
{
    ScratchFolder whole, ended;
    for (const ScratchFolder* folder : {&whole, &ended}) {
        writeCopenhagenInputs(*folder);
        folder->write("runs/CP.INP", "the result of an earlier run");
    }
    const ProgramRun expected = runVendask(whole);

    const ProgramRun r = runVendask(ended, "Test run\n", faultEnvironment({.shortCopies = true}));

    EXPECT_EQ(r.out, expected.out);
    EXPECT_EQ(r.err, expected.err);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(ended.files(), whole.files());
}

// A command interpreter written for the test: it logs each command text and carries out COPY
// and DEL of unquoted names, so a whole run can go through COMSPEC.
const char* const kInterpreter = R"(#!/bin/sh
printf '%s|%s\n' "$1" "$2" >> "$VENDASK_LOG"
[ "$MAKE_FILES" = yes ] || exit 0
set -- $(printf '%s' "$2" | tr '\\+' '/ ')
case "$1" in
COPY) shift; eval "dest=\${$#}"; out=""; while [ $# -gt 1 ]; do out="$out $1"; shift; done; cat $out > "$dest" ;;
DEL) rm "$2" ;;
esac
)";

class ThroughComspec : public ::testing::Test {
protected:
    void SetUp() override
    {
        tools.write("interpreter", kInterpreter);
        std::filesystem::permissions(tools / "interpreter", std::filesystem::perms::owner_all);
    }
    ProgramRun runThroughInterpreter(bool makeFiles, Environment faults = {})
    {
        faults.insert(faults.end(),
                      {{"COMSPEC", (tools / "interpreter").string()},
                       {"VENDASK_LOG", (tools / "log").string()},
                       {"MAKE_FILES", makeFiles ? "yes" : "no"}});
        return runVendask(folder, "id\n", faults);
    }
    ScratchFolder folder;
    ScratchFolder tools;
};

TEST_F(ThroughComspec, EveryCommandGoesToTheInterpreterAtItsExactLength)
{
    writeLillestromInputs(folder);
    const ProgramRun r = runThroughInterpreter(true);

    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(tools.read("log"),
              "/c|COPY  HDR.MAX+BODY1+kit\\lil.BTT runs\\LI.INP\n"
              "/c|COPY  HDR.CWI+BODYY1+kit\\lil.BTT runs\\LIY.INP\n"
              "/c|COPY  HDRDAT.MAX+BODY2 runs\\LISCAT.DAT\n"
              "/c|COPY  HDRDAT.CWI+BODYY2 runs\\LIYSCAT.DAT\n"
              "/c|DEL BODY1\n/c|DEL BODY2\n/c|DEL BODYY1\n/c|DEL BODYY2\n"
              "/c|DEL HDRDAT.MAX\n/c|DEL HDRDAT.CWI\n/c|DEL HDR.MAX\n/c|DEL HDR.CWI\n");
    EXPECT_EQ(folder.list(), (Lines{"Quorra_Vendask.ini", "kit", "runs"}));
    EXPECT_EQ(folder.read("runs/LI.INP"),
              crlfLines({"    2   2   1   2", "    2",
                         "      'C_OBS'      'C_MOD'   DIST     u*     L  YR MO DY  HRE ",
                         " 'Block of all data'"}) +
                  crlfLines(kBody1Lil) + kTrailerLil);
    EXPECT_EQ(folder.read("runs/LIYSCAT.DAT"),
              crlfLines({" Lillestrom CWI scatter  -  id          ", " cy\\sub{obs}", " cy\\sub{mod}",
                         "   2 1", "' '"}) +
                  crlfLines(withoutBlockNumber(kBodyY1Lil)));
}

TEST_F(ThroughComspec, NamesWithBlanksAreQuotedAndNothingMadeMeansNoDeletion)
{
    writeCopenhagenInputs(folder);
    folder.write("Quorra_Vendask.ini", settings("cph", "my runs", "kit"));
    folder.write("my runs/MODEL.TXT", kModelCph);
    const ProgramRun r = runThroughInterpreter(false);

    EXPECT_EQ(tools.read("log"),
              "/c|COPY  HDR.MAX+BODY1+kit\\cph.BTT \"my runs\\CP.INP\"\n"
              "/c|COPY  HDR.CWI+BODYY1+kit\\cph.BTT \"my runs\\CPY.INP\"\n"
              "/c|COPY  HDRDAT.MAX+BODY2 \"my runs\\CPSCAT.DAT\"\n"
              "/c|COPY  HDRDAT.CWI+BODYY2 \"my runs\\CPYSCAT.DAT\"\n");
    Lines notMade;
    for (const char* name : {"CP.INP", "CPY.INP", "CPSCAT.DAT", "CPYSCAT.DAT"})
        notMade.push_back(std::string(" Error: the file ") + name +
                          " could not be made in the folder my runs");
    EXPECT_EQ(r.out,
              crlfLines(kBannerLines + locationLines(true) + idPromptLines(true) +
                        Lines{"copy HDR.MAX+BODY1+kit\\cph.BTT \"my runs\\CP.INP\"", " "} + notMade +
                        Lines{" ", "  ",
                              " The files with extension .INP can be used as input for HAVK and MORVANTE.",
                              " The files with extension .DAT can be used as input for TESSARY.", " "} +
                        summaryLines(3)));
    EXPECT_EQ(r.err, kEndOfRun);
    EXPECT_EQ(r.exitCode, 1);
    Lines left = kTemporaries + Lines{"Quorra_Vendask.ini", "kit", "my runs", "runs"};
    std::sort(left.begin(), left.end());
    EXPECT_EQ(folder.list(), left);
}

// Another program's copy may still sit in the system's cache: the run puts it on disk itself
// before the pieces go, and a copy that cannot be put there is not made.
TEST_F(ThroughComspec, CopiesThatCannotBeSyncedAreNotMadeAndThePiecesStay)
{
    writeCopenhagenInputs(folder);
    const ProgramRun r = runThroughInterpreter(true, faultEnvironment({.failingSyncs = true}));

    EXPECT_EQ(r.out, crlfLines(noneMadeLines()));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(tools.read("log").find("DEL"), std::string::npos);
    EXPECT_EQ(folder.list(), piecesAndInputs());
}

} // namespace
} // namespace kit_test
