#pragma once
// Runs the real Quorra_Vendask in a scratch folder laid out the way a modeller's folder looks:
// the settings in the folder itself, the kit's files in "kit", the model results in "runs"
// (where the result files land too); and the console lines a run prints.
#include <string>
#include <vector>

#include "PairingStopLines.h"
#include "ProgramRun.h"
#include "ScratchFolder.h"
#include "TestText.h"

namespace kit_test {

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
inline const std::string kObservationsLil = "YR MO DY HRE DIST C_OBS CY_OBS USTAR L\n"
                                            "87 2 5 1400 1.0 52733.3 18349850 0.33 -330\n"
                                            "87 2 5 1500 2.0 12099.5 4980050 0.35 120\n";
inline const std::string kModelLil = "YR MO DY HRE DIST C_MAX C_CWI\n"
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

inline const Lines kBannerLines = {" This program produces several output files.",
                                   " They are for use by HAVK, MORVANTE and TESSARY.", " ",
                                   " Settings from the file Quorra_Vendask.ini are used.", " "};

inline const Lines kTemporaries = {"BODY1",   "BODY2",   "BODYY1",     "BODYY2",
                                   "HDR.CWI", "HDR.MAX", "HDRDAT.CWI", "HDRDAT.MAX"};

// Lines without their first column: the scatter records of the same pairs.
Lines withoutBlockNumber(const Lines& lines);

// The settings file naming `location`, the results folder and the kit's folder.
std::string settings(const std::string& location, const std::string& resultsPath = "runs",
                     const std::string& masterPath = "kit");
// The inputs of a Copenhagen or a Lillestrom run; `location` as the settings spell it.
void writeCopenhagenInputs(const ScratchFolder& folder, const std::string& location = "cph");
void writeLillestromInputs(const ScratchFolder& folder, const std::string& location = "lil");

// Runs the program in the folder with `input` on standard input and `environment` on top of the
// test's own.
ProgramRun runVendask(const ScratchFolder& folder, std::string input = "Test run\n",
                      Environment environment = {});

Lines locationLines(bool cph);
Lines idPromptLines(bool cph);
// The result messages after the COPY commands, listing `made` (all four when empty).
Lines resultLines(bool cph, const std::string& folder, Lines made = {});
Lines summaryLines(int pairs);

} // namespace kit_test
