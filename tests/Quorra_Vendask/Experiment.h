#pragma once
// A small experiment for each location, laid out the way a modeller's folder looks: the settings
// in the current folder, the kit's files in "kit", the model results in "runs" (where the result
// files land too), and the console lines a run prints.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProgramRun.h"
#include "ScratchFolder.h"
#include "TestText.h"

namespace vendask::testing {

using kit_test::crlfLines;
using kit_test::ProgramRun;
using kit_test::rightAligned;
using kit_test::ScratchFolder;
using Lines = std::vector<std::string>;

inline const std::string kTrailerCph = " 'Copenhagen trailer'\r\n   0\r\nno line end";
inline const std::string kTrailerLil = " 'Lillestrom trailer'\r\n   0\r\n";

// Three observations; the model results hold an earlier hour, an arc nobody observed, comma
// separators and a distance that differs from the observed one by less than the tolerance.
inline const std::string kObservationsCph = crlfLines({
    "  YR MO DY  HRE DIST C_OBS CY_OBS USTAR H/L ZMIX",
    "78 10 19 1200 1.9 1234.5 2500000 0.37 -12.3 810",
    "78 10 19 1200 3.7 456.78 1800000 0.37 -12.3 810",
    "78 10 19 1300 1.9 2000 3000000 0.41 -20.05 1120",
});
inline const std::string kModelCph = crlfLines({
    "YR MO DY HRE DIST C_MAX C_CWI",
    "78 10 19 1100 1.9 5 5",
    "78 10 19 1200 0.8 9 9",
    "78 10 19 1200 1.9 987.6 2400000.04",
    "78 10 19 1200 3.7 500.25 1700000",
    "78 10 19 1200 5.4 100 100",
    "78,10,19,1300,1.90005,2100.05,3100000",
});
inline const Lines kBody1Cph = {
    "1    1234.5     987.6   1.90  0.370  -12.3   810. 78 10 19  1200",
    "1     456.8     500.3   3.70  0.370  -12.3   810. 78 10 19  1200",
    "1    2000.0    2100.1   1.90  0.410  -20.0  1120. 78 10 19  1300",
};
inline const Lines kBodyY1Cph = {
    "1 2500000.0 2400000.0   1.90  0.370  -12.3   810. 78 10 19  1200",
    "1 1800000.0 1700000.0   3.70  0.370  -12.3   810. 78 10 19  1200",
    "1 3000000.0 3100000.0   1.90  0.410  -20.0  1120. 78 10 19  1300",
};

// LF line ends here: the readers take either.
inline const std::string kObservationsLil =
    "YR MO DY HRE DIST C_OBS CY_OBS USTAR L\n"
    "87 2 5 1400 1.0 52733.3 18349850 0.33 -330\n"
    "87 2 5 1500 2.0 12099.5 4980050 0.35 120\n";
inline const std::string kModelLil =
    "YR MO DY HRE DIST C_MAX C_CWI\n"
    "87 2 5 1400 0.5 1 1\n"
    "87 2 5 1400 1.0 41910.4 20000000\n"
    "87 2 5 1500 2.0 6489.2 5100000\n";
inline const Lines kBody1Lil = {
    "1      52733.3      41910.4   1.00  0.330  -330. 87  2  5  1400",
    "1      12099.5       6489.2   2.00  0.350   120. 87  2  5  1500",
};
inline const Lines kBodyY1Lil = {
    "1   18349850.0   20000000.0   1.00  0.330  -330. 87  2  5  1400",
    "1    4980050.0    5100000.0   2.00  0.350   120. 87  2  5  1500",
};

inline const std::string kEndOfRun = "Program Completed\nPress Enter to Continue.\n";

inline const Lines kTemporaries = {"BODY1",      "BODY2",      "BODYY1",  "BODYY2",
                                   "HDR.CWI",    "HDR.MAX",    "HDRDAT.CWI", "HDRDAT.MAX"};

// Lines without their first column: the scatter records of the same pairs.
inline Lines withoutBlockNumber(const Lines& lines)
{
    Lines out;
    for (const std::string& l : lines)
        out.push_back(l.substr(1));
    return out;
}

inline std::string settings(const std::string& location, const std::string& resultsPath = "runs",
                            const std::string& masterPath = "kit")
{
    return crlfLines({"[Files]", "Location=" + location, "Results_path=" + resultsPath,
                      "Results_file=MODEL.TXT", "Master_path=" + masterPath});
}

inline Lines bannerLines()
{
    return {" This program produces several output files.", " They are for use by HAVK, MORVANTE and TESSARY.",
            " ", " Settings from the file Quorra_Vendask.ini are used.", " "};
}

inline Lines locationLines(bool cph)
{
    return {cph ? " The location is Copenhagen." : " THe location is Lillestrom.", " "};
}

inline Lines dialogueLines(bool cph)
{
    return {"      ",
            "Enter a short ID string (max 12 characters).",
            "It is added to the title for a scatter plot produced by TESSARY.",
            "The title reads:",
            cph ? "Copenhagen scatter - <your string>" : "Lillestrom scatter - <your string>",
            "  ==>   "};
}

// The result messages after the COPY commands, listing `made` (all four when empty).
inline Lines resultLines(bool cph, const std::string& folder, Lines made = {})
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

inline Lines summaryLines(int pairs)
{
    return {"", "Number of data records:  " + std::to_string(pairs), ""};
}

inline Lines operator+(Lines a, const Lines& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class VendaskRun : public ::testing::Test {
protected:
    void setUpCopenhagen(const std::string& location = "cph")
    {
        folder.write("Quorra_Vendask.ini", settings(location));
        folder.write("kit/MASTER.cph", kObservationsCph);
        folder.write("kit/cph.BTT", kTrailerCph);
        folder.write("runs/MODEL.TXT", kModelCph);
    }
    void setUpLillestrom(const std::string& location = "lil")
    {
        folder.write("Quorra_Vendask.ini", settings(location));
        folder.write("kit/MASTER.lil", kObservationsLil);
        folder.write("kit/lil.BTT", kTrailerLil);
        folder.write("runs/MODEL.TXT", kModelLil);
    }
    ProgramRun run(std::string input = "Test run\n", kit_test::Environment environment = {})
    {
        return kit_test::runProgram({.program = VENDASK_BINARY,
                                     .folder = folder.path(),
                                     .input = std::move(input),
                                     .environment = std::move(environment)});
    }

    ScratchFolder folder;
};

} // namespace vendask::testing
