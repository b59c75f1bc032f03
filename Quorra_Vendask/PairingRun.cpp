#include "PairingRun.h"

#include <string>
#include <string_view>
#include <vector>

#include "Concatenation.h"
#include "Console.h"
#include "Failure.h"
#include "HeaderFiles.h"
#include "HostPath.h"
#include "Pairing.h"
#include "PairingStops.h"
#include "Read_ini_routines.h"
#include "RunNames.h"
#include "Text.h"
#include "TextInput.h"

namespace vendask {
namespace {

constexpr std::string_view settingsFile = "Quorra_Vendask.ini";

void readSetting(std::string_view key, Name& value)
{
    bool is_found = false;
    Read_ini_routines::getValue("Files", key, value.span(), "", is_found);
}

void findSettingsFile()
{
    bool is_ini_found = false;
    Read_ini_routines::setIniFilename(settingsFile, is_ini_found);
    if (is_ini_found)
        return;
    auto& con = kit::console();
    con.line("A required file  -  Quorra_Vendask.ini - cannot be found.");
    con.line("Quorra_Vendask.ini is supposed to contain information on file locations.");
    con.line("Program stopped.       ");
    throw kit::Stop{};
}

void printBanner()
{
    auto& con = kit::console();
    con.line(" This program produces several output files.");
    con.line(" They are for use by HAVK, MORVANTE and TESSARY.");
    con.line(" ");
    con.line(" Settings from the file Quorra_Vendask.ini are used.");
    con.line(" ");
}

// Reads the location and tells whether it is Copenhagen (true) or Lillestrom (false).
bool chooseLocation(Name& Loc)
{
    auto& con = kit::console();
    readSetting("Location", Loc);
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

void openModelResults(kit::TextInput& file, const Name& Results_file)
{
    if (file.open(Results_file.trimmed()))
        return;
    kit::stopModelResultsNotOpened(Results_file.trimmed(), settingsFile);
}

void openObservations(kit::TextInput& file, const Name& MASTNAME)
{
    if (file.open(MASTNAME.trimmed()))
        return;
    kit::stopKitFileNotOpened(MASTNAME.view(), settingsFile);
}

// The trailer is only needed by the COPY commands at the end; finding it missing then would
// waste the pairing, so it is looked for now.
void checkTrailer(const RunNames& names)
{
    if (kit::isReadableFile(names.BTT_NAME.trimmed()))
        return;
    const std::string shown = std::string(names.Master_path.trimmed()) + "\\" + std::string(names.Loc.trimmed()) + ".BTT";
    kit::stopKitFileNotOpened(shown, settingsFile);
}

kit::Text<12> askForId(bool cph)
{
    auto& con = kit::console();
    con.line("      ");
    con.line("Enter a short ID string (max 12 characters).");
    con.line("It is added to the title for a scatter plot produced by TESSARY.");
    con.line("The title reads:");
    con.line(cph ? "Copenhagen scatter - <your string>" : "Lillestrom scatter - <your string>");
    con.line("  ==>   ");
    return kit::readIdString();
}

void printSummary(int N_REC)
{
    auto& con = kit::console();
    con.line("");
    con.line("Number of data records: ", N_REC);
    con.line("");
}

} // namespace

int runPairingProgram()
{
    kit::lockFolderOrStop();
    findSettingsFile();
    printBanner();

    RunNames names;
    const bool cph = chooseLocation(names.Loc);
    readSetting("Results_path", names.Results_path);
    readSetting("Results_file", names.Results_filename);
    readSetting("Master_path", names.Master_path);
    names.build();

    kit::TextInput modelFile;
    kit::TextInput observationFile;
    openModelResults(modelFile, names.Results_file);
    openObservations(observationFile, names.MASTNAME);
    const std::vector<std::string> results = kit::filesWrittenBy(resultCopies(cph, names), settingsFile);
    kit::stopWhenAnInputWouldBeWritten({settingsFile, modelFile, observationFile, names.BTT_NAME.trimmed()},
                                       writtenFiles(results), settingsFile);
    BodyFiles bodies;
    bodies.create();
    checkTrailer(names);

    const kit::Text<12> ID_STR = askForId(cph);
    const int N_REC =
        pairObservations(cph, modelFile, observationFile, bodies, names.MASTNAME.view(), names.Results_file.view());
    writeHeaderFiles(cph, N_REC, ID_STR.view());

    const bool allMade = joinResultFiles(cph, names);
    printSummary(N_REC);
    if (!allMade)
        return 1;  // the pieces stay, so the user can join them by hand
    deleteTemporaries();
    return 0;
}

} // namespace vendask
