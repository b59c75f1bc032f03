// Quorra_Belta on bad settings, model results, observation and trailer files, and on answers
// to its two questions that are wrong or never come.
#include <gtest/gtest.h>

#include "SweepCase.h"

namespace {

using robust::ends;
using robust::fails;
using robust::notMade;
using robust::SweepCase;
using robust::SweepFolder;
using robust::unreadable;

const std::string kSettings = "[Files]\r\nResults_path=.\r\nResults_file=MODEL_IND.TXT\r\nMaster_path=.\r\n";
const std::string kObsHeading = " YR MO DY HR  DIST    C_OBS QL  USTAR     H/L   ZMIX\r\n";
const std::string kObservations = kObsHeading +
                                  " 85  9 16 11   0.25     45.7  2  0.436  -16.66   1257.\r\n"
                                  " 85  9 16 11   0.50    382.0  3  0.436  -16.66   1257.\r\n";
const std::string kModelHeading = " YR MO DY HR  DIST    C_MOD\r\n";
const std::string kModel = kModelHeading +
                           " 85  9 16 11   0.25     83.9\r\n"
                           " 85  9 16 11   0.50    380.0\r\n";

struct Inputs {
    std::string settings = kSettings;
    std::string model = kModel;
    std::string observations = kObservations;
    std::string trailer = "end of the pair data\r\n";
};

robust::SetUp files(Inputs in)
{
    return [in](SweepFolder& f) {
        f.write("Quorra_Belta.ini", in.settings);
        f.write("MODEL_IND.TXT", in.model);
        f.write("MASTER.IND", in.observations);
        f.write("IND.BTT", in.trailer);
    };
}

Inputs withSettings(std::string s)
{
    Inputs in;
    in.settings = std::move(s);
    return in;
}
Inputs withModel(std::string s)
{
    Inputs in;
    in.model = std::move(s);
    return in;
}
Inputs withObservations(std::string s)
{
    Inputs in;
    in.observations = std::move(s);
    return in;
}

const std::string kAnswers = "2\nTEST\n";
const char* const kCompleted = "Number of data records: ";
const char* const kModelUnreadable = " Error while reading the file ";
const char* const kObservationsUnreadable = " Error while reading file ";
const char* const kBadLevel = " This value is not a valid quality level!";

std::vector<SweepCase> cases()
{
    const std::string longLine = robust::repeated("7", 100000);
    return {
        ends("GoodInputsComplete", files({}), kAnswers, kCompleted),
        ends("NoSettingsFile", [](SweepFolder&) {}, kAnswers, "cannot be found."),
        ends("SettingsFileIsAFolder", [](SweepFolder& f) { f.makeFolder("Quorra_Belta.ini"); }, kAnswers,
             "cannot be found."),
        unreadable(ends("SettingsUnreadable",
                        [](SweepFolder& f) { f.writeUnreadable("Quorra_Belta.ini", kSettings); }, kAnswers,
                        "cannot be found.")),
        // With no keys the names begin with "\", which leads nowhere.
        ends("EmptySettings", files(withSettings("")), kAnswers, "cannot be opened."),
        ends("BinarySettings", files(withSettings(robust::binaryGarbage(5000, 4))), kAnswers, "cannot be opened."),
        ends("SettingsOf101Lines", files(withSettings(kSettings + robust::repeated("\r\n", 97))), kAnswers, "", "16"),
        ends("SettingsWithLongLines", files(withSettings(longLine + "\r\n" + kSettings)), kAnswers, kCompleted),
        ends("ResultsFolderMissing",
             files(withSettings("[Files]\r\nResults_path=nowhere\r\nResults_file=MODEL_IND.TXT\r\nMaster_path=.\r\n")),
             kAnswers, "cannot be opened."),
        ends("ModelFileIsAFolder",
             [](SweepFolder& f) {
                 files(withSettings("[Files]\r\nResults_path=sub\r\nResults_file=M\r\nMaster_path=.\r\n"))(f);
                 f.makeFolder("sub/M");
             },
             kAnswers, "cannot be opened."),
        unreadable(ends("ModelUnreadable",
                        [](SweepFolder& f) {
                            files({})(f);
                            f.writeUnreadable("MODEL_IND.TXT", kModel);
                        },
                        kAnswers, "cannot be opened.")),
        ends("ObservationsAreAFolder",
             [](SweepFolder& f) {
                 const Inputs in;
                 f.write("Quorra_Belta.ini", in.settings);
                 f.write("MODEL_IND.TXT", in.model);
                 f.write("IND.BTT", in.trailer);
                 f.makeFolder("MASTER.IND");
             },
             kAnswers, " Error opening file "),
        ends("TrailerIsAFolder",
             [](SweepFolder& f) {
                 const Inputs in;
                 f.write("Quorra_Belta.ini", in.settings);
                 f.write("MODEL_IND.TXT", in.model);
                 f.write("MASTER.IND", in.observations);
                 f.makeFolder("IND.BTT");
             },
             kAnswers, "\\IND.BTT"),
        fails("EmptyModelFile", files(withModel("")), kAnswers),
        fails("EmptyObservationFile", files(withObservations("")), kAnswers),
        ends("HeadingsOnly", files(withObservations(kObsHeading)), kAnswers, kCompleted),
        ends("BinaryModel", files(withModel(robust::binaryGarbage(3000, 5))), kAnswers, kModelUnreadable),
        ends("BinaryObservations", files(withObservations(kObsHeading + robust::binaryGarbage(3000, 6))), kAnswers,
             kObservationsUnreadable),
        ends("LongObservationLines", files(withObservations(longLine + "\r\n" + longLine + "\r\n")), kAnswers,
             kObservationsUnreadable),
        ends("HourBeyond32Bits", files(withModel(kModelHeading + " 85  9 16 4294967307   0.25     83.9\r\n")),
             kAnswers, kModelUnreadable),
        ends("NanAndInfinity", files(withObservations(kObsHeading + " 85 9 16 11 nan inf 2 0.4 -16 1257.\r\n")),
             kAnswers, kObservationsUnreadable),
        ends("TruncatedRecords", files(withModel(kModelHeading + " 85  9 16 11   0.25")), kAnswers, kCompleted),
        notMade("ResultFileIsAFolder",
                [](SweepFolder& f) {
                    files({})(f);
                    f.makeFolder("IN2.INP");
                },
                kAnswers),
        fails("NoAnswerToTheLevel", files({}), std::nullopt),
        fails("LevelNotANumber", files({}), "two\nTEST\n"),
        fails("LevelBeyond32Bits", files({}), "4294967298\nTEST\n"),
        ends("LevelOutOfRange", files({}), "4\nTEST\n", kBadLevel),
        ends("LevelBelowRange", files({}), "-1\n", kBadLevel),
        // Nothing may be read from an input file in place of the answer.
        robust::withoutStandardInput(fails("NoStandardInputAtAll", files({}), std::nullopt, "standard input")),
        fails("NoAnswerToTheId", files({}), "2\n"),
        ends("LongAnswers", files({}), "3" + std::string(100000, ' ') + "\n" + longLine + "\n", kCompleted),
    };
}

class BeltaSweep : public ::testing::TestWithParam<SweepCase> {};

TEST_P(BeltaSweep, EndsOneOfTheDefinedWays)
{
    robust::checkSweepCase(PROGRAM_PATH, robust::EndOfRun::Prompt, GetParam());
}

INSTANTIATE_TEST_SUITE_P(BadInputs, BeltaSweep, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return info.param.name; });

} // namespace
