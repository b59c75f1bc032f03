#pragma once
// The stops and the ID question that Quorra_Vendask and Quorra_Belta share word for word. Each
// stop writes its message lines on the console and stops the run (the end-of-run lines follow).
// `settingsName` is the settings file as the "Edit the file" line names it.
#include <string>
#include <string_view>
#include <vector>

#include "Text.h"
#include "TextInput.h"

namespace kit {

// The model results file cannot be opened; `Results_file` as the message shows it.
[[noreturn]] void stopModelResultsNotOpened(std::string_view Results_file, std::string_view settingsName);
// A file supplied with the kit (observations, trailer) cannot be opened; `name` as shown.
[[noreturn]] void stopKitFileNotOpened(std::string_view name, std::string_view settingsName);
// A value of the observation file or of the model results file cannot be read.
[[noreturn]] void stopObservationReadError(std::string_view MASTNAME);
[[noreturn]] void stopModelReadError(std::string_view Results_file);

// Takes the current folder, where the pieces of a run lie under fixed names, for this run; stops
// when another run holds it, or when it cannot be locked at all.
void lockFolderOrStop();
// The files a pairing run reads.
struct PairingInputs {
    std::string_view settingsFile;
    const TextInput& model;
    const TextInput& observations;
    std::string_view trailer;
};
// A COPY the run will give: its text, the files it is meant to join and the file it is meant to
// write, as the program names them.
struct PlannedCopy {
    std::string command = {};
    std::vector<std::string> sources = {};
    std::string destination = {};
};
// The files `copies` write, as the command reader reads them back from the texts. Stops, before
// anything is written, when a text does not read back as the names meant: a name holding a double
// quote may read as another name, and a COPY would then write a file the settings never name.
std::vector<std::string> filesWrittenBy(const std::vector<PlannedCopy>& copies, std::string_view settingsName);

// Stops, before anything is written, when one of the files the run would write (`outputs`:
// pieces and result files) is one of the files it reads.
void stopWhenAnInputWouldBeWritten(const PairingInputs& inputs, const std::vector<std::string>& outputs,
                                   std::string_view settingsName);

// The answer to "Enter a short ID string": the first 12 characters of one line of standard
// input, padded with blanks. The end of the input is a run-time failure.
Text<12> readIdString();

} // namespace kit
