#pragma once
// The stops that Quorra_Vendask and Quorra_Belta share word for word. Each stop writes its
// message lines on the console and stops the run (the end-of-run lines follow).
// `settingsName` is the settings file as the "Edit the file" line names it.
#include <string>
#include <string_view>
#include <vector>

#include "ResultFiles.h"
#include "Text.h"
#include "TextInput.h"

namespace kit {

// The files a pairing run reads; the model results and the observations stay open for the run.
struct PairingInputs {
    std::string_view settingsFile;
    std::string_view trailer;
    TextInput model = {};
    TextInput observations = {};
};
// Opens the model results file, then the observation file, under their trimmed names; stops when
// one cannot be opened, showing the observation file's whole 256-character name.
void openInputsOrStop(PairingInputs& inputs, const Text<256>& Results_file, const Text<256>& MASTNAME,
                      std::string_view settingsName);
// The trailer is only needed by the COPY commands at the end; finding it missing then would
// waste the pairing, so it is looked for early. Stops, naming it as `shownName`, when it cannot
// be opened.
void checkTrailerOrStop(std::string_view BTT_NAME, std::string_view shownName, std::string_view settingsName);
// A value of the observation file or of the model results file cannot be read.
[[noreturn]] void stopObservationReadError(std::string_view MASTNAME);
[[noreturn]] void stopModelReadError(std::string_view Results_file);

// Takes the current folder, where the pieces of a run lie under fixed names, for this run; stops
// when another run holds it, or when it cannot be locked at all.
void lockFolderOrStop();
// Takes the results folder (the trimmed `Results_path`), where the result files land under fixed
// names, for this run as well; stops, before anything is written, when another run holds it or
// when it cannot be locked at all. A folder that is not there is left to the stops that find its
// files missing, and the current folder, when it is the results folder too, is held already.
void lockResultsFolderOrStop(const Text<256>& Results_path, std::string_view settingsName);
// The files `copies` write, as the command reader reads them back from the texts. Stops, before
// anything is written, when a text does not read back as the names meant: a name holding a double
// quote may read as another name, and a COPY would then write a file the settings never name.
std::vector<std::string> filesWrittenBy(const std::vector<PlannedCopy>& copies,
                                        std::string_view settingsName);

// What a run has written when it finds that it would write one of its inputs: nothing, or only
// its (empty) pieces, when the result files can be checked only once a question is answered.
enum class WrittenSoFar { Nothing, OnlyPieces };
// Stops, before it writes one, when one of the files the run would write (`outputs`: pieces and
// result files) is one of the files it reads.
void stopWhenAnInputWouldBeWritten(const PairingInputs& inputs, const std::vector<std::string>& outputs,
                                   std::string_view settingsName,
                                   WrittenSoFar written = WrittenSoFar::Nothing);

} // namespace kit
