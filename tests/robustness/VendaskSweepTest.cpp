// Quorra_Vendask on bad settings, model results, observation and trailer files and on an
// answer that never comes.
#include <gtest/gtest.h>

#include "PairingInputs.h"
#include "ProgramBeside.h"
#include "SweepCase.h"

namespace {

using robust::ends;
using robust::fails;
using robust::files;
using robust::notMade;
using robust::SweepCase;
using robust::SweepFolder;

const std::string kSettings =
    "[Files]\r\nLocation=cph\r\nResults_path=.\r\nResults_file=MODEL.TXT\r\nMaster_path=.\r\n";
const std::string kObsHeading = "  YR  MO  DY   HRE    DIST     C_OBS    CY_OBS   USTAR     H/L   ZMIX\r\n";
const std::string kObservations = kObsHeading +
    "  78   9  20  1100   1.90    4362.2   3374737    0.48 -68.70    810\r\n"
    "  78   9  20  1100   3.70    2748.6   3127184    0.48 -68.70    810\r\n";
const std::string kModelHeading = "  YR  MO  DY   HRE    DIST     C_MAX      C_CWI\r\n";
const std::string kModel = kModelHeading +
    "  78   9  20  1100   1.90    4212.5  2201000.2\r\n"
    "  78   9  20  1100   3.70    2841.1  2072916.0\r\n";

const robust::PairingInputs kInputs{
    "Quorra_Vendask.ini",      "MODEL.TXT", "MASTER.cph", "cph.BTT", kSettings, kModel, kObservations,
    "end of the pair data\r\n"};

const std::string kId = "TEST\n";
const char* const kCompleted = "Number of data records: ";
const char* const kModelUnreadable = " Error while reading the file ";
const char* const kObservationsUnreadable = " Error while reading file ";

std::vector<SweepCase> cases()
{
    const std::string longLine = robust::repeated("9", 100000);
    std::vector<SweepCase> rows = robust::rowsOfEveryPairingProgram(kInputs, kId);
    rows.insert(
        rows.end(),
        {
            ends("EmptySettings", files(kInputs.withSettings("")), kId, "The location should be either"),
            ends("BinarySettings", files(kInputs.withSettings(robust::binaryGarbage(5000, 1))), kId,
                 "The location should be either"),
            ends("SettingsOf101Lines", files(kInputs.withSettings(kSettings + robust::repeated("\r\n", 96))),
                 kId, "", "16"),
            ends("SettingsWithLongLines",
                 files(kInputs.withSettings(longLine + "\r\n" + kSettings + "Location=" + longLine)), kId,
                 kCompleted),
            ends("ResultsFolderMissing",
                 files(kInputs.withSettings(
                     "[Files]\r\nLocation=cph\r\nResults_path=nowhere\r\nResults_file=MODEL.TXT\r\n"
                     "Master_path=.\r\n")),
                 kId, "cannot be opened."),
            ends(
                "ModelFileIsAFolder",
                [](SweepFolder& f) {
                    files(kInputs.withSettings(
                        "[Files]\r\nLocation=cph\r\nResults_path=sub\r\nResults_file=MODEL.TXT\r\n"
                        "Master_path=.\r\n"))(f);
                    f.makeFolder("sub/MODEL.TXT");
                },
                kId, "cannot be opened."),
            ends("TrailerMissing", files(kInputs.withoutTrailer()), kId, ".BTT"),
            ends("HeadingOnly", files(kInputs.withModel(kModelHeading)), kId, kCompleted),
            ends("BinaryModel", files(kInputs.withModel(robust::binaryGarbage(3000, 2))), kId,
                 kModelUnreadable),
            ends("BinaryObservations",
                 files(kInputs.withObservations(kObsHeading + robust::binaryGarbage(3000, 3))), kId,
                 kObservationsUnreadable),
            ends("LongModelLines", files(kInputs.withModel(longLine + "\r\n" + longLine + "\r\n")), kId,
                 kModelUnreadable),
            ends("YearBeyond32Bits",
                 files(kInputs.withModel(kModelHeading +
                                         "  99999999999   9  20  1100   1.90    4212.5  1.0\r\n")),
                 kId, kModelUnreadable),
            ends("RealBeyondFloat",
                 files(kInputs.withObservations(
                     kObsHeading + "  78   9  20  1100   1.90    1E39   1    0.48 -68.70    810\r\n")),
                 kId, kObservationsUnreadable),
            ends("NanAndInfinity",
                 files(kInputs.withModel(kModelHeading + "  78   9  20  1100   NaN    Infinity  inf\r\n")),
                 kId, kModelUnreadable),
            ends("TruncatedRecords",
                 files(kInputs.withObservations(kObsHeading + "  78   9  20  1100   1.90    4362.2")), kId,
                 kCompleted),
            notMade(
                "ResultFileIsAFolder",
                [](SweepFolder& f) {
                    files(kInputs)(f);
                    f.makeFolder("CP.INP");
                },
                kId),
            fails("NoAnswerToTheId", files(kInputs), std::nullopt),
        });
    return rows;
}

class VendaskSweep : public ::testing::TestWithParam<SweepCase> {};

TEST_P(VendaskSweep, EndsOneOfTheDefinedWays)
{
    robust::checkSweepCase(robust::programBesideThisTest(PROGRAM_NAME), robust::EndOfRun::Prompt, GetParam());
}

INSTANTIATE_TEST_SUITE_P(BadInputs, VendaskSweep, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return info.param.name; });

} // namespace
