#include "VendaskRun.h"

#include <vector>

#include "Concatenation.h"
#include "Console.h"
#include "Failure.h"
#include "HeaderFiles.h"
#include "IdString.h"
#include "Pairing.h"
#include "PairingStops.h"
#include "Read_ini_routines.h"
#include "ResultFiles.h"
#include "RunNames.h"
#include "RunStart.h"
#include "Text.h"

namespace vendask {
namespace {

constexpr kit::SettingsFile kSettings{"Quorra_Vendask.ini", "Quorra_Vendask.ini", " "};

// Reads the location and tells whether it is Copenhagen (true) or Lillestrom (false).
bool chooseLocation(Name& Loc)
{
    auto& con = kit::console();
    Loc = kit::settingsValue("Location");
    Read_ini_routines::DOWNCASE(Loc.span());
    if (Loc == "cph") {
        con.line(" The location is Copenhagen.");
        con.line(" ");
        return true;
    }
    if (Loc == "lil") {
        con.line(" THe location is Lillestrom.");
        con.line(" ");
        return false;
    }
    con.line(" ");
    con.line(" Error: The location should be either Copenhagen or Lillestrom");
    con.line(" Edit the file Quorra_Vendask.ini, so Location is either CPH or LIL.");
    con.line(" ");
    throw kit::Stop{};
}

} // namespace

int runVendask()
{
    // 1. One run at a time in this folder; the settings file and the banner.
    kit::startRun(kSettings);

    // 2. The settings and the names built from them; one run at a time in the results folder too.
    RunNames names;
    const bool cph = chooseLocation(names.Loc);
    kit::readFolderSettings(names);
    names.build();
    kit::lockResultsFolderOrStop(names.Results_path, kSettings.editName);

    // 3. The inputs; nothing is written unless the COPY texts name the files meant and none of
    //    the files the run writes is one of them.
    kit::PairingInputs inputs{kSettings.name, names.BTT_NAME.trimmed()};
    kit::openInputsOrStop(inputs, names.Results_file, names.MASTNAME, kSettings.editName);
    const std::vector<kit::PlannedCopy> copies = resultCopies(cph, names);
    kit::stopWhenAnInputWouldBeWritten(
        inputs, kit::writtenFiles(kPieces, kit::filesWrittenBy(copies, kSettings.editName)),
        kSettings.editName);

    // 4. The body files, then the trailer, which must be there for the joining.
    BodyFiles bodies;
    bodies.create();
    kit::checkTrailerOrStop(names.BTT_NAME.trimmed(), names.trailerShown(), kSettings.editName);

    // 5. The ID string.
    const kit::Text<12> ID_STR = kit::askIdString(cph ? "Copenhagen" : "Lillestrom");

    // 6. The pairing, and the headers in front of its bodies.
    const int N_REC = pairObservations(cph, inputs.model, inputs.observations, bodies, names.MASTNAME.view(),
                                       names.Results_file.view());
    writeHeaderFiles(cph, N_REC, ID_STR.view());

    // 7. The result files, the report of what was made, and the deletion of the pieces.
    if (cph)
        showFirstCopy(names);
    const std::vector<bool> made = kit::joinResultFiles(copies);
    reportResultFiles(cph, names, made);
    kit::printRecordCount(N_REC);
    return kit::deletePiecesWhenAllMade(made, kPieces);
}

} // namespace vendask
