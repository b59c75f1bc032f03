// Complete runs of TRAXO: one framed page file per page, the last, unfinished one removed.
#include <gtest/gtest.h>

#include <cstdio>

#include "TraxoRun.h"

namespace kit_test {
namespace {

const std::string kPageEnd = "stroke gsave showpage grestore";
const std::string kFirstMove = "PU1046,-1046;";

std::string completeRun(int pages)
{
    return progressLines(pages + 1) + totalLine(pages) + "\r\n";
}

TEST(TraxoPages, ThreePagesAndTheirBytes)
{
    ScratchFolder folder;
    folder.write("FIG.eps",
                 eps({"%!PS-Adobe-3.0 EPSF-3.0", "%%BoundingBox: 0 0 612 792", "0 0 M", "100 200 L", "stroke",
                      kPageEnd, "%%Page: 2 2", "100 100 M", "strokes", kPageEnd, "% wider than four columns",
                      "5000 0 L", kPageEnd, "0 0 M", "%%Trailer", "%%EOF"}));
    folder.write("FIG001.hgl", std::string(500, 'x')); // an old, longer first page is cut
    folder.write("FIG004.hgl", "old");                 // the page that never came is removed
    const ProgramRun r = runTraxo(folder, {"FIG"});
    EXPECT_EQ(r.out, completeRun(3));
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.exitCode, 0);
    const std::string input = folder.files().at("FIG.eps");
    EXPECT_EQ(folder.files(),
              (Files{{"FIG.eps", input},
                     {"FIG001.hgl", page(kFirstMove + "PD;PA1308,-523;")},
                     {"FIG002.hgl", page("PU1308,-785;")},
                     {"FIG003.hgl", page("PD;PA14121,-1046;")}}));
}

TEST(TraxoPages, DocumentEndRightAfterTheMarker)
{
    ScratchFolder folder;
    folder.write("FIG.eps", eps({"0 0 M", "%%Trailer"}));
    const ProgramRun r = runTraxo(folder, {"FIG"});
    EXPECT_EQ(r.out, completeRun(0));
    EXPECT_EQ(folder.files().size(), 1u);
}

TEST(TraxoPages, TranslationsAddUpAndCarryToTheNextPage)
{
    ScratchFolder folder;
    folder.write("FIG.eps",
                 eps({"0 0 M", "10 0 translate", "10,0,translate", "0 0 M", kPageEnd, "0 0 M", "10,20,M",
                      "10 20 M more words", "-20 0 translate", "0 0 L",
                      // The M stands in column 40: what follows it is not part of the line.
                      "1" + std::string(36, ' ') + "2 Mzzz", kPageEnd, "%%Trailer"}));
    const ProgramRun r = runTraxo(folder, {"FIG"});
    EXPECT_EQ(r.out, completeRun(2));
    EXPECT_EQ(folder.files().at("FIG001.hgl"), page(kFirstMove + "PU1098,-1046;"));
    EXPECT_EQ(folder.files().at("FIG002.hgl"),
              page("PU1098,-1046;PU1124,-994;PU1124,-994;PD;PA1046,-1046;PU1049,-1041;"));
}

struct Naming {
    const char* what;
    std::vector<std::string> args;
    std::string input;
    std::string firstPage;
    std::vector<std::string> bystanders; // files a careless removal of the last page file would hit
};

const std::string k33(33, 'a');
const std::string k34(34, 'b');
const std::string k37(37, 'c');

const Naming kNamings[] = {
    {"33 characters keep the whole extension", {k33}, k33 + ".eps", k33 + "001.hgl", {k33 + "002"}},
    {"34 characters lose the l", {k34}, k34 + ".eps", k34 + "001.hg", {k34 + "00"}},
    {"37 characters lose the extension", {k37}, k37 + ".ep", k37 + "001", {std::string(36, 'c')}},
    {"words are joined by one blank", {"FIG", "A"}, "FIG A.eps", "FIG A001.hgl", {"FIG", "A002.hgl"}},
    {"a backslash leads into a folder", {"plots\\FIG"}, "plots/FIG.eps", "plots/FIG001.hgl", {"FIG002.hgl"}},
};

TEST(TraxoPages, PageFileNamesAndTheRemovalOfTheLastOne)
{
    for (const Naming& c : kNamings) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        Files expected{{c.input, eps({"0 0 M", kPageEnd, "1 1 M", "%%Trailer"})},
                       {c.firstPage, page(kFirstMove)}};
        for (const std::string& b : c.bystanders)
            expected[b] = "keep";
        for (const auto& [name, bytes] : expected)
            if (name != c.firstPage)
                folder.write(name, bytes);
        const ProgramRun r = runTraxo(folder, c.args);
        EXPECT_EQ(r.out, completeRun(1));
        EXPECT_EQ(folder.files(), expected);
    }
}

std::string manyPages(int pages, const std::string& after)
{
    std::string text = "0 0 M\n";
    for (int p = 1; p <= pages; ++p)
        text += kPageEnd + "\n";
    return text + after;
}

struct AfterPage999 {
    const char* what;
    std::string rest; // the input after the page end of page 999
    bool reported;    // the pages left out are reported
};

// The loop ends after page 999; the pages after it are reported only when, before the document
// end, a line follows that a 1000th page would have turned into a pen command or a page end.
TEST(TraxoPages, StopsAfterPage999)
{
    const AfterPage999 cases[] = {
        {"the document ends", "%%Trailer\n", false},
        {"a thousandth page follows", "1 1 M\n" + kPageEnd + "\n%%Trailer\n", true},
        {"a comment, then the document end", "%%PageTrailer\n%%Trailer\n", false},
        {"a stroke line, then the document end", "stroke\n%%Trailer\n", false},
        {"a translation, then the document end", "10 10 translate\n%%Trailer\n", false},
        {"an empty page", kPageEnd + "\n%%Trailer\n", true},
        {"a line-to after a comment", "%%Page: 1000 1000\n1 1 L\n%%Trailer\n", true},
        {"no document end", "%%PageTrailer\n", false},
        {"a line-to after the document end", "%%Trailer\n1 1 L\n", false},
        {"a macro a page could not take", "1 1 lineto\n1 1 L\n%%Trailer\n", false},
        {"a line that cannot be read", " stroke\n1 1 L\n%%Trailer\n", false},
    };
    for (const AfterPage999& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        folder.write("F.eps", manyPages(999, c.rest));
        const ProgramRun r = runTraxo(folder, {"F"});
        EXPECT_EQ(r.out,
                  progressLines(999) + totalLine(999) +
                      (c.reported ? "\r\nThe pages after page 999 were not translated." : "") + "\r\n");
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(folder.files().size(), 1000u);
        EXPECT_EQ(folder.files().at("F001.hgl"), page(kFirstMove));
        EXPECT_EQ(folder.files().at("F999.hgl"), page(""));
    }
}

} // namespace
} // namespace kit_test
