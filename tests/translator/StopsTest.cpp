// Every way a run of TRAXO ends early: its console lines, exit code and the files it leaves.
#include <gtest/gtest.h>

#include "TraxoRun.h"

namespace kit_test {
namespace {

const std::vector<std::string> kNoArgument{
    "You must specify a file name (no extension) on the command line.",
    "TRAXO will assume that the input PostScript file has an extension EPS,",
    "and that the output HP-GL/2 file has an extension HGL.", "Execution aborts."};
const std::string kNoFirstPage =
    crlfLines({"Cannot find the beginning of the first page.", "Execution aborts."});
const std::string kMarkerDocument = eps({"%!PS", "0 0 M", "stroke gsave showpage grestore", "%%Trailer"});

std::string tooLong(const std::string& name)
{
    return crlfLines({"The file name " + name + " is too long for page files:",
                      "each page file needs the name and a three-digit page number within 40 characters,",
                      "so the name may have at most 37 characters.", "Execution aborts."});
}

struct EarlyEnd {
    const char* what;
    std::vector<std::string> args;
    Files given;
    std::string out;
    std::string err = "";
    int exitCode = 0;
    Files left = {}; // page files the run leaves besides the given files
};

const std::string k38(38, 'N');
const std::string k40(40, 'N');
const std::string kFirstMove = "PU1046,-1046;";

const EarlyEnd kEarlyEnds[] = {
    {"no argument", {}, {}, crlfLines(kNoArgument)},
    {"blanks only", {"   ", " "}, {}, crlfLines(kNoArgument)},
    {"missing input names the whole 40-character field",
     {"FIG"},
     {{"FIG.EPS", kMarkerDocument}},
     crlfLines({"Error opening FIG.eps" + std::string(33, ' '),
                "This input PostScrtip file is required to run TRAXO.", "Execution aborts."})},
    {"a folder is no input",
     {"FIG"},
     {{"FIG.eps/x", ""}},
     crlfLines({"Error opening FIG.eps" + std::string(33, ' '),
                "This input PostScrtip file is required to run TRAXO.", "Execution aborts."})},
    {"empty input", {"FIG"}, {{"FIG.eps", ""}}, kNoFirstPage},
    {"no line begins with the marker",
     {"FIG"},
     {{"FIG.eps",
       eps({"%!PS", " 0 0 M", "0 0 m", "0  0 M", "0 0 L", "stroke gsave showpage grestore", "%%Trailer"})}},
     kNoFirstPage},
    {"a name of 38 characters is refused once the first page is found",
     {k38},
     {{k38 + ".e", kMarkerDocument}},
     tooLong(k38)},
    {"a long name still reports a missing input first",
     {k40},
     {},
     crlfLines({"Error opening " + k40, "This input PostScrtip file is required to run TRAXO.",
                "Execution aborts."})},
    {"a long name still reports a missing marker first", {k40}, {{k40, "%!PS\n"}}, kNoFirstPage},
    {"unknown macro word keeps the page without epilogue",
     {"FIG"},
     {{"FIG.eps", eps({"0 0 M", "100 200 L", "0 0 m", "1 1 L"})}},
     progressLines(1) + "\r\n" + crlfLines({"Macro m not understood", "Execution aborts."}),
     "",
     0,
     {{"FIG001.hgl", page(kFirstMove + "PD;PA1308,-523;", false)}}},
    {"unknown macro word on a later page",
     {"FIG"},
     {{"FIG.eps", eps({"0 0 M", "stroke gsave showpage grestore", "1 2 lineto"})}},
     progressLines(2) + "\r\n" + crlfLines({"Macro lineto not understood", "Execution aborts."}),
     "",
     0,
     {{"FIG001.hgl", page(kFirstMove)}, {"FIG002.hgl", page("", false)}}},
    {"a macro word is cut to 20 characters",
     {"FIG"},
     {{"FIG.eps", eps({"0 0 M", "1 2 abcdefghijklmnopqrstuvwxyz"})}},
     progressLines(1) + "\r\n" +
         crlfLines({"Macro abcdefghijklmnopqrst not understood", "Execution aborts."}),
     "",
     0,
     {{"FIG001.hgl", page(kFirstMove, false)}}},
    {"a page file that cannot be opened; the complete pages stay",
     {"FIG"},
     {{"FIG.eps", kMarkerDocument}, {"FIG002.hgl/x", ""}},
     progressLines(2) + "\r\n",
     "run-time error: FIG002.hgl: cannot open for writing: Is a directory\n",
     4,
     {{"FIG001.hgl", page(kFirstMove)}}},
    {"input that ends inside a page",
     {"FIG"},
     {{"FIG.eps", "0 0 M\n1 1 L"}},
     progressLines(1) + "\r\n",
     "run-time error: The input file FIG.eps ends inside page 1, before its line %%Trailer\n",
     2,
     {{"FIG001.hgl", page(kFirstMove + "PD;PA1049,-1043;", false)}}},
    {"a line that begins with a blank cannot be read",
     {"FIG"},
     {{"FIG.eps", eps({"0 0 M", " stroke"})}},
     progressLines(1) + "\r\n",
     "run-time error: Cannot read two integers and a macro word from the line \" stroke\"\n",
     3,
     {{"FIG001.hgl", page(kFirstMove, false)}}},
    {"a blank line runs out of values",
     {"FIG"},
     {{"FIG.eps", eps({"0 0 M", ""})}},
     progressLines(1) + "\r\n",
     "run-time error: Cannot read two integers and a macro word from the line \"\"\n",
     2,
     {{"FIG001.hgl", page(kFirstMove, false)}}},
};

TEST(TraxoEarlyEnd, ConsoleExitCodeAndFilesLeft)
{
    for (const EarlyEnd& c : kEarlyEnds) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        for (const auto& [name, bytes] : c.given)
            folder.write(name, bytes);
        const ProgramRun r = runTraxo(folder, c.args);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.exitCode, c.exitCode);
        Files expected = c.given;
        expected.insert(c.left.begin(), c.left.end());
        EXPECT_EQ(folder.files(), expected);
    }
}

} // namespace
} // namespace kit_test
