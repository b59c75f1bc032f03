#include "PairingStops.h"

#include <cstring>
#include <optional>

#include "BuiltInCommands.h"
#include "Console.h"
#include "Failure.h"
#include "FileWriting.h"
#include "FolderLock.h"
#include "HostPath.h"
#include "TextInput.h"

namespace kit {

namespace {
void editSettingsLine(std::string_view settingsName)
{
    console().line(" Edit the file ", settingsName, " to specify where it is located.");
}

// The first name meant that the text does not give back in its place.
std::string_view firstNameMisread(const PlannedCopy& copy, const CopyOperands& read)
{
    for (std::size_t i = 0; i < copy.sources.size(); ++i)
        if (i >= read.sources.size() || read.sources[i] != copy.sources[i])
            return copy.sources[i];
    return copy.destination;
}

[[noreturn]] void stopModelResultsNotOpened(std::string_view Results_file, std::string_view settingsName)
{
    auto& c = console();
    c.line(" File ", Results_file, " cannot be opened.");
    c.line(" It is expected to contain modelled results.");
    editSettingsLine(settingsName);
    c.line(" Execution stopped.");
    c.line(" ");
    throw Stop{};
}

// A file supplied with the kit (observations, trailer) cannot be opened; `name` as shown.
[[noreturn]] void stopKitFileNotOpened(std::string_view name, std::string_view settingsName)
{
    auto& c = console();
    c.line(" ");
    c.line(" Error opening file ", name);
    c.line(" This file is supplied with the Tarnwick.");
    editSettingsLine(settingsName);
    c.line(" ");
    throw Stop{};
}

[[noreturn]] void stopNameNotWritable(std::string_view name, std::string_view settingsName)
{
    auto& c = console();
    c.line(" ");
    c.line(" Error: the name ", name, " holds a double quote and cannot be written into a COPY command.");
    c.line(" Nothing has been written. Edit the file ", settingsName, " so that its folder names hold none.");
    c.line(" Execution stopped.");
    c.line(" ");
    throw Stop{};
}
} // namespace

void openInputsOrStop(PairingInputs& inputs, const Text<256>& Results_file, const Text<256>& MASTNAME,
                      std::string_view settingsName)
{
    if (!inputs.model.open(Results_file.trimmed()))
        stopModelResultsNotOpened(Results_file.trimmed(), settingsName);
    if (!inputs.observations.open(MASTNAME.trimmed()))
        stopKitFileNotOpened(MASTNAME.view(), settingsName);
}

void checkTrailerOrStop(std::string_view BTT_NAME, std::string_view shownName, std::string_view settingsName)
{
    if (!isReadableFile(BTT_NAME))
        stopKitFileNotOpened(shownName, settingsName);
}

void stopObservationReadError(std::string_view MASTNAME)
{
    auto& c = console();
    c.line(" ");
    c.line(" Error while reading file ", MASTNAME);
    c.line(" This file is supplied with the Tarnwick.");
    c.line(" Check that it contains what it is supposed to.");
    c.line(" ");
    throw Stop{};
}

void stopModelReadError(std::string_view Results_file)
{
    auto& c = console();
    c.line(" ");
    c.line(" Error while reading the file ", Results_file);
    c.line(" This is a file containing model results.");
    c.line(" Check that it conforms with the format specifications.");
    c.line(" ");
    throw Stop{};
}

void lockFolderOrStop()
{
    const FolderLock lock = lockFolder(".");
    if (lock.outcome == FolderLockOutcome::Taken)
        return;
    auto& c = console();
    c.line(" ");
    if (lock.outcome == FolderLockOutcome::HeldByAnotherRun) {
        c.line(" Error: another run is working in this folder.");
        c.line(" Its temporary files would mix with those of this run.");
        c.line(" Wait until it has ended, or start this run in another folder.");
    } else {
        c.line(" Error: this folder cannot be locked for the run (", std::strerror(lock.error), ").");
        c.line(" Unlocked, another run here could mix its temporary files with those of this run.");
        c.line(" Start this run in another folder.");
    }
    c.line(" Execution stopped.");
    c.line(" ");
    throw Stop{};
}

void lockResultsFolderOrStop(const Text<256>& Results_path, std::string_view settingsName)
{
    // Shown as the result files' names begin: an empty setting is the root folder, "\".
    const std::string shown = std::string(Results_path.trimmed()) + "\\";
    const std::optional<std::string> folder = hostPath(shown);
    if (!folder)
        return;
    const FolderLock lock = lockFolder(*folder);
    if (lock.outcome == FolderLockOutcome::Taken || lock.outcome == FolderLockOutcome::Unreachable)
        return;
    auto& c = console();
    c.line(" ");
    if (lock.outcome == FolderLockOutcome::HeldByAnotherRun) {
        c.line(" Error: another run is working with the results folder ", shown);
        c.line(" Its result files would mix with those of this run.");
        c.line(" Wait until it has ended, or edit the file ", settingsName,
               " so that this run writes into another folder.");
    } else {
        c.line(" Error: the results folder ", shown, " cannot be locked for the run (",
               std::strerror(lock.error), ").");
        c.line(" Unlocked, another run could mix its result files with those of this run.");
        c.line(" Edit the file ", settingsName, " so that this run writes into another folder.");
    }
    c.line(" Execution stopped.");
    c.line(" ");
    throw Stop{};
}

std::vector<std::string> filesWrittenBy(const std::vector<PlannedCopy>& copies, std::string_view settingsName)
{
    std::vector<std::string> written;
    for (const PlannedCopy& copy : copies) {
        const CopyOperands read = readCopyCommand(copy.command);
        if (!read.problem.empty() || read.sources != copy.sources || read.destination != copy.destination)
            stopNameNotWritable(firstNameMisread(copy, read), settingsName);
        written.push_back(*read.destination);
    }
    return written;
}

void stopWhenAnInputWouldBeWritten(const PairingInputs& inputs, const std::vector<std::string>& outputs,
                                   std::string_view settingsName, WrittenSoFar writtenSoFar)
{
    InputFiles read;
    read.add(fileIdentity(inputs.settingsFile));
    read.add(fileIdentity(inputs.model.descriptor()));
    read.add(fileIdentity(inputs.observations.descriptor()));
    read.add(fileIdentity(inputs.trailer));
    const std::optional<std::string> written = read.firstWrittenInput(outputs);
    if (!written)
        return;
    auto& c = console();
    c.line(" ");
    c.line(" Error: the file ", *written, " would be written by this run,");
    c.line(" but it is also one of the files the run reads.");
    c.line(writtenSoFar == WrittenSoFar::Nothing ? " Nothing has been written."
                                                 : " No result file has been written.",
           " Edit the file ", settingsName, " so that they differ.");
    c.line(" Execution stopped.");
    c.line(" ");
    throw Stop{};
}

} // namespace kit
