#pragma once
// The pairing programs' result files: each is joined from pieces (header, body, trailer) by a
// COPY command; the pieces, written into the current folder under fixed names, are deleted once
// every result file is made.
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kit {

// A COPY the run will give: its text, the files it is meant to join and the file it is meant to
// write, as the program names them.
struct PlannedCopy {
    std::string command = {};
    std::vector<std::string> sources = {};
    std::string destination = {};
};

// The pieces of a run, by their names in the current folder.
using Pieces = std::span<const std::string_view>;

// Whether a name must stand in double quotes in a command: a blank or a "+" would split it.
bool needsQuotes(std::string_view name);
// A name as it goes into a command: in double quotes when it needs them, unchanged otherwise.
std::string commandName(std::string_view name);

// Runs `commandText`, a COPY that joins `pieces` into `destination`, and tells whether
// `destination` came out a regular file holding exactly the pieces' bytes (judged by the
// command's status and the file sizes; nothing is read back), on disk.
bool copyAndCheck(std::string_view commandText, std::string_view destination,
                  const std::vector<std::string>& pieces);

// Runs the `copies` in order; tells for each whether its result file was made.
std::vector<bool> joinResultFiles(const std::vector<PlannedCopy>& copies);

// The console line that names a result file that could not be made, and its folder.
void reportNotMade(std::string_view fileName, std::string_view folder);

// The count of pairs that ends the summary of a run.
void printRecordCount(int N_REC);

// Every file a run writes: its `pieces`, then `results`.
std::vector<std::string> writtenFiles(Pieces pieces, const std::vector<std::string>& results);

// Deletes the pieces once every result file is `made` and returns the run's exit code: 0, or 1
// when a result file is missing and the pieces stay, so that the user can join them by hand.
int deletePiecesWhenAllMade(const std::vector<bool>& made, Pieces pieces);

} // namespace kit
