#include "BeltaRun.h"

#include <cstdint>
#include <string>

#include "Console.h"
#include "Dialogue.h"
#include "IndianapolisRecords.h"
#include "MergePairing.h"
#include "PairingStops.h"
#include "Read_ini_routines.h"
#include "ResultJoining.h"
#include "RunMessages.h"
#include "RunNames.h"
#include "TextInput.h"
#include "TextOutput.h"

namespace belta {
namespace {

void writeBanner()
{
    auto& c = kit::console();
    c.line(" This program produces several output files.");
    c.line(" They are for use by HAVK, MORVANTE and TESSARY.");
    c.line(" ");
    c.line(" Settings from the file Quorra_Belta.ini are used.");
    c.line(" ");
}

constexpr std::string_view settingsFile = "Quorra_Belta.ini";
// As the "Edit the file" lines name it.
constexpr std::string_view settingsName = "Quorra_Belta.INI";

Name settingsValue(std::string_view key)
{
    Name value;
    bool is_found = false;
    Read_ini_routines::getValue("Files", key, value.span(), "", is_found);
    return value;
}

} // namespace

int runBelta()
{
    kit::lockFolderOrStop();
    bool is_ini_found = false;
    Read_ini_routines::setIniFilename(settingsFile, is_ini_found);
    if (!is_ini_found)
        stopSettingsMissing();

    writeBanner();
    const Name Results_path = settingsValue("Results_path");
    const Name Results_filename = settingsValue("Results_file");
    const Name Master_path = settingsValue("Master_path");

    const Name Results_file = joinName(Results_path, Results_filename.view());
    kit::TextInput model;
    if (!model.open(Results_file.trimmed()))
        kit::stopModelResultsNotOpened(Results_file.trimmed(), settingsName);

    const Name MASTNAME = joinName(Master_path, "MASTER.IND");
    kit::TextInput observations;
    if (!observations.open(MASTNAME.trimmed()))
        kit::stopKitFileNotOpened(MASTNAME.view(), settingsName);

    // The trailer is only appended later; here it just has to be there.
    const Name BTT_NAME = kit::joinText<256>({Master_path.trimmed(), "\\IND.BTT"});
    // The level is asked only after the pieces are made: the commands of every level must read
    // back before anything is written, and the chosen level's result files are checked once it
    // is known.
    for (std::int32_t level = 0; level <= 3; ++level)
        kit::filesWrittenBy(resultCopies(BTT_NAME, resultNames(Results_path, level)), settingsName);
    const kit::PairingInputs inputs{settingsFile, model, observations, BTT_NAME.trimmed()};
    kit::stopWhenAnInputWouldBeWritten(inputs, pieceFiles(), settingsName);

    kit::TextOutput BODY1;
    kit::TextOutput BODY2;
    BODY1.create(bodyPairFile);
    BODY2.create(bodyScatterFile);

    {
        kit::TextInput trailer;
        if (!trailer.open(BTT_NAME.trimmed()))
            kit::stopKitFileNotOpened(std::string(Master_path.trimmed()) + "\\IND.BTT", settingsName);
    }

    const std::int32_t LOWLEV = chooseQualityLevel();
    const ResultNames names = resultNames(Results_path, LOWLEV);
    kit::stopWhenAnInputWouldBeWritten(inputs, kit::filesWrittenBy(resultCopies(BTT_NAME, names), settingsName),
                                       settingsName);
    const kit::Text<12> ID_STR = askIdString();

    const std::int32_t N_REC =
        pairRecords({model, observations, BODY1, BODY2}, LOWLEV, {MASTNAME.view(), Results_file.trimmed()});
    BODY1.close();
    BODY2.close();
    writeHeaderFiles(N_REC, ID_STR);

    const JoinedResults made = joinResultFiles(BTT_NAME, names);
    writeSummary(made, names, Results_path, N_REC);
    if (!made.allMade())
        return 1;  // the pieces stay for the user to look at
    deleteTemporaries();
    return 0;
}

} // namespace belta
