#include "PairingStopLines.h"

namespace kit_test {

std::vector<std::string> folderInUseLines()
{
    return {" ",
            " Error: another run is working in this folder.",
            " Its temporary files would mix with those of this run.",
            " Wait until it has ended, or start this run in another folder.",
            " Execution stopped.",
            " "};
}

std::vector<std::string> folderNotLockedLines(std::string_view reason)
{
    return {" ",
            " Error: this folder cannot be locked for the run (" + std::string(reason) + ").",
            " Unlocked, another run here could mix its temporary files with those of this run.",
            " Start this run in another folder.",
            " Execution stopped.",
            " "};
}

std::vector<std::string> resultsFolderInUseLines(std::string_view folder, std::string_view settingsName)
{
    return {" ",
            " Error: another run is working with the results folder " + std::string(folder),
            " Its result files would mix with those of this run.",
            " Wait until it has ended, or edit the file " + std::string(settingsName) +
                " so that this run writes into another folder.",
            " Execution stopped.",
            " "};
}

std::vector<std::string> resultsFolderNotLockedLines(std::string_view folder, std::string_view reason,
                                                     std::string_view settingsName)
{
    return {" ",
            " Error: the results folder " + std::string(folder) + " cannot be locked for the run (" +
                std::string(reason) + ").",
            " Unlocked, another run could mix its result files with those of this run.",
            " Edit the file " + std::string(settingsName) + " so that this run writes into another folder.",
            " Execution stopped.",
            " "};
}

std::vector<std::string> nameNotWritableLines(std::string_view name, std::string_view settingsName)
{
    const std::string shown(name), settings(settingsName);
    return {" ",
            " Error: the name " + shown + " holds a double quote and cannot be written into a COPY command.",
            " Nothing has been written. Edit the file " + settings + " so that its folder names hold none.",
            " Execution stopped.", " "};
}

std::vector<std::string> inputWrittenLines(std::string_view name, std::string_view settingsName,
                                           bool piecesMade)
{
    return {" ",
            " Error: the file " + std::string(name) + " would be written by this run,",
            " but it is also one of the files the run reads.",
            std::string(piecesMade ? " No result file has been written." : " Nothing has been written.") +
                " Edit the file " + std::string(settingsName) + " so that they differ.",
            " Execution stopped.",
            " "};
}

} // namespace kit_test
