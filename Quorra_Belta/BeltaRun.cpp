#include "BeltaRun.h"

#include <cstdint>
#include <vector>

#include "HeaderFiles.h"
#include "IdString.h"
#include "MergePairing.h"
#include "PairingStops.h"
#include "QualityLevel.h"
#include "ResultFiles.h"
#include "ResultJoining.h"
#include "RunNames.h"
#include "RunStart.h"
#include "TextOutput.h"

namespace belta {
namespace {

// The "Edit the file" lines have always named the settings file in capitals.
constexpr kit::SettingsFile kSettings{"Quorra_Belta.ini", "Quorra_Belta.INI", "  "};

} // namespace

int runBelta()
{
    // 1. One run at a time in this folder; the settings file and the banner.
    kit::startRun(kSettings);

    // 2. The settings and the names built from them; one run at a time in the results folder too.
    RunNames names;
    kit::readFolderSettings(names);
    names.build();
    kit::lockResultsFolderOrStop(names.Results_path, kSettings.editName);

    // 3. The inputs; nothing is written unless the COPY texts of every level name the files meant
    //    and none of the pieces is one of the inputs. The result files are checked once the level
    //    is known.
    kit::PairingInputs inputs{kSettings.name, names.BTT_NAME.trimmed()};
    kit::openInputsOrStop(inputs, names.Results_file, names.MASTNAME, kSettings.editName);
    for (std::int32_t level = 0; level <= 3; ++level) {
        const ResultNames results = resultNames(names.Results_path, level);
        kit::filesWrittenBy(resultCopies(names.BTT_NAME, results), kSettings.editName);
    }
    kit::stopWhenAnInputWouldBeWritten(inputs, kit::writtenFiles(kPieces, {}), kSettings.editName);

    // 4. The body files, then the trailer, which must be there for the joining.
    kit::TextOutput BODY1;
    kit::TextOutput BODY2;
    BODY1.create(kBodyPairFile);
    BODY2.create(kBodyScatterFile);
    kit::checkTrailerOrStop(names.BTT_NAME.trimmed(), names.trailerShown(), kSettings.editName);

    // 5. The quality level, whose result files must not be inputs either, and the ID string.
    const std::int32_t LOWLEV = chooseQualityLevel();
    const ResultNames results = resultNames(names.Results_path, LOWLEV);
    const std::vector<kit::PlannedCopy> copies = resultCopies(names.BTT_NAME, results);
    kit::stopWhenAnInputWouldBeWritten(inputs, kit::filesWrittenBy(copies, kSettings.editName),
                                       kSettings.editName, kit::WrittenSoFar::OnlyPieces);
    const kit::Text<12> ID_STR = kit::askIdString("Indianapolis");

    // 6. The pairing, and the headers in front of its bodies.
    const std::int32_t N_REC = pairRecords({inputs.model, inputs.observations, BODY1, BODY2}, LOWLEV,
                                           {names.MASTNAME.view(), names.Results_file.trimmed()});
    BODY1.close();
    BODY2.close();
    writeHeaderFiles(N_REC, ID_STR);

    // 7. The result files, the report of what was made, and the deletion of the pieces.
    const std::vector<bool> made = kit::joinResultFiles(copies);
    reportResultFiles(made, results, names.Results_path);
    kit::printRecordCount(N_REC);
    return kit::deletePiecesWhenAllMade(made, kPieces);
}

} // namespace belta
