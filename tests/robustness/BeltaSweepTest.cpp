// Quorra_Belta on bad settings, model results, observation and trailer files, and on answers
// to its two questions that are wrong or never come.
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

const std::string kSettings = "[Files]\r\nResults_path=.\r\nResults_file=MODEL_IND.TXT\r\nMaster_path=.\r\n";
const std::string kObsHeading = " YR MO DY HR  DIST    C_OBS QL  USTAR     H/L   ZMIX\r\n";
const std::string kObservations = kObsHeading +
    " 85  9 16 11   0.25     45.7  2  0.436  -16.66   1257.\r\n"
    " 85  9 16 11   0.50    382.0  3  0.436  -16.66   1257.\r\n";
const std::string kModelHeading = " YR MO DY HR  DIST    C_MOD\r\n";
const std::string kModel = kModelHeading +
    " 85  9 16 11   0.25     83.9\r\n"
    " 85  9 16 11   0.50    380.0\r\n";

const robust::PairingInputs kInputs{
    "Quorra_Belta.ini", "MODEL_IND.TXT", "MASTER.IND",  "IND.BTT",
    kSettings,          kModel,          kObservations, "end of the pair data\r\n"};

const std::string kAnswers = "2\nTEST\n";
const char* const kCompleted = "Number of data records: ";
const char* const kModelUnreadable = " Error while reading the file ";
const char* const kObservationsUnreadable = " Error while reading file ";
const char* const kBadLevel = " This value is not a valid quality level!";

std::vector<SweepCase> cases()
{
    const std::string longLine = robust::repeated("7", 100000);
    std::vector<SweepCase> rows = robust::rowsOfEveryPairingProgram(kInputs, kAnswers);
    rows.insert(
        rows.end(),
        {
            // With no keys the names begin with "\", which leads nowhere.
            ends("EmptySettings", files(kInputs.withSettings("")), kAnswers, "cannot be opened."),
            ends("BinarySettings", files(kInputs.withSettings(robust::binaryGarbage(5000, 4))), kAnswers,
                 "cannot be opened."),
            ends("SettingsOf101Lines", files(kInputs.withSettings(kSettings + robust::repeated("\r\n", 97))),
                 kAnswers, "", "16"),
            ends("SettingsWithLongLines", files(kInputs.withSettings(longLine + "\r\n" + kSettings)),
                 kAnswers, kCompleted),
            ends("ResultsFolderMissing",
                 files(kInputs.withSettings(
                     "[Files]\r\nResults_path=nowhere\r\nResults_file=MODEL_IND.TXT\r\nMaster_path=.\r\n")),
                 kAnswers, "cannot be opened."),
            ends(
                "ModelFileIsAFolder",
                [](SweepFolder& f) {
                    files(kInputs.withSettings(
                        "[Files]\r\nResults_path=sub\r\nResults_file=M\r\nMaster_path=.\r\n"))(f);
                    f.makeFolder("sub/M");
                },
                kAnswers, "cannot be opened."),
            ends(
                "TrailerIsAFolder",
                [](SweepFolder& f) {
                    files(kInputs.withoutTrailer())(f);
                    f.makeFolder("IND.BTT");
                },
                kAnswers, "\\IND.BTT"),
            ends("HeadingsOnly", files(kInputs.withObservations(kObsHeading)), kAnswers, kCompleted),
            ends("BinaryModel", files(kInputs.withModel(robust::binaryGarbage(3000, 5))), kAnswers,
                 kModelUnreadable),
            ends("BinaryObservations",
                 files(kInputs.withObservations(kObsHeading + robust::binaryGarbage(3000, 6))), kAnswers,
                 kObservationsUnreadable),
            ends("LongObservationLines",
                 files(kInputs.withObservations(longLine + "\r\n" + longLine + "\r\n")), kAnswers,
                 kObservationsUnreadable),
            ends("HourBeyond32Bits",
                 files(kInputs.withModel(kModelHeading + " 85  9 16 4294967307   0.25     83.9\r\n")),
                 kAnswers, kModelUnreadable),
            ends("NanAndInfinity",
                 files(kInputs.withObservations(kObsHeading + " 85 9 16 11 nan inf 2 0.4 -16 1257.\r\n")),
                 kAnswers, kObservationsUnreadable),
            ends("TruncatedRecords", files(kInputs.withModel(kModelHeading + " 85  9 16 11   0.25")),
                 kAnswers, kCompleted),
            notMade(
                "ResultFileIsAFolder",
                [](SweepFolder& f) {
                    files(kInputs)(f);
                    f.makeFolder("IN2.INP");
                },
                kAnswers),
            fails("NoAnswerToTheLevel", files(kInputs), std::nullopt),
            fails("LevelNotANumber", files(kInputs), "two\nTEST\n"),
            fails("LevelBeyond32Bits", files(kInputs), "4294967298\nTEST\n"),
            ends("LevelOutOfRange", files(kInputs), "4\nTEST\n", kBadLevel),
            ends("LevelBelowRange", files(kInputs), "-1\n", kBadLevel),
            fails("NoAnswerToTheId", files(kInputs), "2\n"),
            ends("LongAnswers", files(kInputs), "3" + std::string(100000, ' ') + "\n" + longLine + "\n",
                 kCompleted),
        });
    return rows;
}

class BeltaSweep : public ::testing::TestWithParam<SweepCase> {};

TEST_P(BeltaSweep, EndsOneOfTheDefinedWays)
{
    robust::checkSweepCase(robust::programBesideThisTest(PROGRAM_NAME), robust::EndOfRun::Prompt, GetParam());
}

INSTANTIATE_TEST_SUITE_P(BadInputs, BeltaSweep, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return info.param.name; });

} // namespace
