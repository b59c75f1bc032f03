// Quorra_Vendask on bad settings, model results, observation and trailer files and on an
// answer that never comes.
#include <gtest/gtest.h>

#include "SweepCase.h"

namespace {

using robust::ends;
using robust::fails;
using robust::notMade;
using robust::SweepCase;
using robust::SweepFolder;
using robust::unreadable;

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

// The complete set of inputs, each of which a case may then replace.
struct Inputs {
    std::string settings = kSettings;
    std::string model = kModel;
    std::string observations = kObservations;
    std::string trailer = "end of the pair data\r\n";
};

std::function<void(SweepFolder&)> files(Inputs in)
{
    return [in](SweepFolder& f) {
        f.write("Quorra_Vendask.ini", in.settings);
        f.write("MODEL.TXT", in.model);
        f.write("MASTER.cph", in.observations);
        f.write("cph.BTT", in.trailer);
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

const std::string kId = "TEST\n";
const char* const kCompleted = "Number of data records: ";
const char* const kModelUnreadable = " Error while reading the file ";
const char* const kObservationsUnreadable = " Error while reading file ";

std::vector<SweepCase> cases()
{
    const std::string longLine = robust::repeated("9", 100000);
    return {
        ends("GoodInputsComplete", files({}), kId, kCompleted),
        ends("NoSettingsFile", [](SweepFolder&) {}, kId, "cannot be found."),
        ends("SettingsFileIsAFolder", [](SweepFolder& f) { f.makeFolder("Quorra_Vendask.ini"); }, kId,
             "cannot be found."),
        unreadable(ends("SettingsUnreadable",
                        [](SweepFolder& f) { f.writeUnreadable("Quorra_Vendask.ini", kSettings); }, kId,
                        "cannot be found.")),
        ends("EmptySettings", files(withSettings("")), kId, "The location should be either"),
        ends("BinarySettings", files(withSettings(robust::binaryGarbage(5000, 1))), kId, "The location should be either"),
        ends("SettingsOf101Lines", files(withSettings(kSettings + robust::repeated("\r\n", 96))), kId, "", "16"),
        ends("SettingsWithLongLines", files(withSettings(longLine + "\r\n" + kSettings + "Location=" + longLine)), kId,
             kCompleted),
        ends("ResultsFolderMissing",
             files(withSettings("[Files]\r\nLocation=cph\r\nResults_path=nowhere\r\nResults_file=MODEL.TXT\r\n"
                                "Master_path=.\r\n")),
             kId, "cannot be opened."),
        ends("ModelFileIsAFolder",
             [](SweepFolder& f) {
                 files(withSettings("[Files]\r\nLocation=cph\r\nResults_path=sub\r\nResults_file=MODEL.TXT\r\n"
                                    "Master_path=.\r\n"))(f);
                 f.makeFolder("sub/MODEL.TXT");
             },
             kId, "cannot be opened."),
        unreadable(ends("ModelUnreadable",
                        [](SweepFolder& f) {
                            files({})(f);
                            f.writeUnreadable("MODEL.TXT", kModel);
                        },
                        kId, "cannot be opened.")),
        ends("ObservationsAreAFolder",
             [](SweepFolder& f) {
                 const Inputs in;
                 f.write("Quorra_Vendask.ini", in.settings);
                 f.write("MODEL.TXT", in.model);
                 f.write("cph.BTT", in.trailer);
                 f.makeFolder("MASTER.cph");
             },
             kId, " Error opening file "),
        ends("TrailerMissing",
             [](SweepFolder& f) {
                 const Inputs in;
                 f.write("Quorra_Vendask.ini", in.settings);
                 f.write("MODEL.TXT", in.model);
                 f.write("MASTER.cph", in.observations);
             },
             kId, ".BTT"),
        fails("EmptyModelFile", files(withModel("")), kId),
        fails("EmptyObservationFile", files(withObservations("")), kId),
        ends("HeadingOnly", files(withModel(kModelHeading)), kId, kCompleted),
        ends("BinaryModel", files(withModel(robust::binaryGarbage(3000, 2))), kId, kModelUnreadable),
        ends("BinaryObservations", files(withObservations(kObsHeading + robust::binaryGarbage(3000, 3))), kId,
             kObservationsUnreadable),
        ends("LongModelLines", files(withModel(longLine + "\r\n" + longLine + "\r\n")), kId, kModelUnreadable),
        ends("YearBeyond32Bits",
             files(withModel(kModelHeading + "  99999999999   9  20  1100   1.90    4212.5  1.0\r\n")), kId,
             kModelUnreadable),
        ends("RealBeyondFloat",
             files(withObservations(kObsHeading + "  78   9  20  1100   1.90    1E39   1    0.48 -68.70    810\r\n")),
             kId, kObservationsUnreadable),
        ends("NanAndInfinity", files(withModel(kModelHeading + "  78   9  20  1100   NaN    Infinity  inf\r\n")), kId,
             kModelUnreadable),
        ends("TruncatedRecords", files(withObservations(kObsHeading + "  78   9  20  1100   1.90    4362.2")), kId,
             kCompleted),
        notMade("ResultFileIsAFolder",
                [](SweepFolder& f) {
                    files({})(f);
                    f.makeFolder("CP.INP");
                },
                kId),
        // Nothing may be read from an input file in place of the answer.
        robust::withoutStandardInput(fails("NoStandardInputAtAll", files({}), std::nullopt, "standard input")),
        fails("NoAnswerToTheId", files({}), std::nullopt),
    };
}

class VendaskSweep : public ::testing::TestWithParam<SweepCase> {};

TEST_P(VendaskSweep, EndsOneOfTheDefinedWays)
{
    robust::checkSweepCase(PROGRAM_PATH, robust::EndOfRun::Prompt, GetParam());
}

INSTANTIATE_TEST_SUITE_P(BadInputs, VendaskSweep, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return info.param.name; });

} // namespace
