// TRAXO on bad command lines and bad plot files.
#include <gtest/gtest.h>

#include "ProgramBeside.h"
#include "SweepCase.h"

namespace {

using robust::ends;
using robust::fails;
using robust::SweepCase;
using robust::SweepFolder;
using robust::unreadable;
using robust::withArguments;

const std::string kPage = "%!PS-Adobe-3.0 EPSF-3.0\n%%EndProlog\n0 0 M\n100 200 L\nstroke\n"
                          "stroke gsave showpage grestore\n";
const std::string kTrailer = "%%Trailer\n";

robust::SetUp plot(std::string bytes)
{
    return [bytes](SweepFolder& f) { f.write("FIG.eps", bytes); };
}

SweepCase onFig(SweepCase c)
{
    return withArguments(std::move(c), {"FIG"});
}

const char* const kCompleted = "Total number of pages translated:";
const char* const kNotOpened = "Error opening ";
const char* const kNoFirstPage = "Cannot find the beginning of the first page.";

std::vector<SweepCase> cases()
{
    return {
        onFig(ends("GoodPlotCompletes", plot(kPage + kTrailer), std::nullopt, kCompleted)),
        ends("NoArgument", plot(kPage + kTrailer), std::nullopt, "You must specify a file name"),
        withArguments(
            ends("BlankArgument", plot(kPage + kTrailer), std::nullopt, "You must specify a file name"),
            {"   "}),
        onFig(ends(
            "NoPlotFile", [](SweepFolder&) {}, std::nullopt, kNotOpened)),
        onFig(ends(
            "PlotFileIsAFolder", [](SweepFolder& f) { f.makeFolder("FIG.eps"); }, std::nullopt, kNotOpened)),
        unreadable(onFig(ends(
            "PlotUnreadable", [](SweepFolder& f) { f.writeUnreadable("FIG.eps", kPage + kTrailer); },
            std::nullopt, kNotOpened))),
        withArguments(ends("FolderMissing", plot(kPage + kTrailer), std::nullopt, kNotOpened),
                      {"nowhere/FIG"}),
        withArguments(ends("ArgumentOf100000Characters", plot(kPage + kTrailer), std::nullopt, kNotOpened),
                      {std::string(100000, 'F')}),
        onFig(ends("EmptyPlot", plot(""), std::nullopt, kNoFirstPage)),
        onFig(ends("BinaryPlot", plot(robust::binaryGarbage(5000, 7)), std::nullopt, kNoFirstPage)),
        onFig(fails("BinaryAfterTheMarker", plot("0 0 M\n\x01\x02\xff\xfe garbage\n" + kTrailer),
                    std::nullopt)),
        onFig(ends("LinesOf100000Characters",
                   plot("0 0 M" + std::string(100000, ' ') + "x\n" + kTrailer + std::string(100000, '%')),
                   std::nullopt, kCompleted)),
        onFig(fails("NumberBeyond32Bits", plot("0 0 M\n99999999999 0 L\n" + kTrailer), std::nullopt)),
        onFig(fails("NanAndInfinity", plot("0 0 M\nnan inf L\n" + kTrailer), std::nullopt)),
        onFig(fails("TruncatedRecord", plot("0 0 M\n1\n" + kTrailer), std::nullopt)),
        onFig(fails("NoTrailer", plot("0 0 M\n1 2 L\n"), std::nullopt)),
        onFig(ends("UnknownMacro", plot("0 0 M\n1 2 lineto\n" + kTrailer), std::nullopt, " not understood")),
        onFig(fails(
            "PageFileIsAFolder",
            [](SweepFolder& f) {
                f.write("FIG.eps", kPage + kTrailer);
                f.makeFolder("FIG001.hgl");
            },
            std::nullopt)),
        onFig(ends("TranslationsFarAway",
                   plot("0 0 M\n" + robust::repeated("2147483647 -2147483648 translate\n", 1000) +
                        "2147483647 2147483647 L\n" + kTrailer),
                   std::nullopt, kCompleted)),
    };
}

class TraxoSweep : public ::testing::TestWithParam<SweepCase> {};

TEST_P(TraxoSweep, EndsOneOfTheDefinedWays)
{
    robust::checkSweepCase(robust::programBesideThisTest(PROGRAM_NAME), robust::EndOfRun::Silent, GetParam());
}

INSTANTIATE_TEST_SUITE_P(BadInputs, TraxoSweep, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return info.param.name; });

} // namespace
