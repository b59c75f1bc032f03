#include "ResultFiles.h"

#include <algorithm>
#include <cstdint>

#include "Command.h"
#include "Console.h"
#include "FileWriting.h"

namespace kit {

bool needsQuotes(std::string_view name)
{
    return name.find_first_of(" +") != std::string_view::npos;
}

std::string commandName(std::string_view name)
{
    if (!needsQuotes(name))
        return std::string(name);
    std::string quoted;
    quoted.reserve(name.size() + 2);
    quoted += '"';
    quoted.append(name);
    quoted += '"';
    return quoted;
}

bool copyAndCheck(std::string_view commandText, std::string_view destination,
                  const std::vector<std::string>& pieces)
{
    std::int64_t expected = 0;
    bool piecesThere = true;
    for (const std::string& piece : pieces) {
        const std::optional<std::int64_t> size = writtenFileSize(piece, Sync::None);
        piecesThere = piecesThere && size;
        expected += size.value_or(0);
    }
    if (runCommand(commandText) != 0 || !piecesThere)
        return false;
    // The kit's own COPY puts the result on disk itself; another program's copy may still sit in
    // the system's cache, and the pieces are deleted once the result is made.
    return writtenFileSize(destination, interpreterNamed() ? Sync::ToDisk : Sync::None) == expected;
}

std::vector<bool> joinResultFiles(const std::vector<PlannedCopy>& copies)
{
    std::vector<bool> made;
    for (const PlannedCopy& copy : copies)
        made.push_back(copyAndCheck(copy.command, copy.destination, copy.sources));
    return made;
}

void reportNotMade(std::string_view fileName, std::string_view folder)
{
    console().line(" Error: the file ", fileName, " could not be made in the folder ", folder);
}

void printRecordCount(int N_REC)
{
    auto& c = console();
    c.line("");
    c.line("Number of data records: ", N_REC);
    c.line("");
}

std::vector<std::string> writtenFiles(Pieces pieces, const std::vector<std::string>& results)
{
    std::vector<std::string> written(pieces.begin(), pieces.end());
    written.insert(written.end(), results.begin(), results.end());
    return written;
}

int deletePiecesWhenAllMade(const std::vector<bool>& made, Pieces pieces)
{
    if (std::find(made.begin(), made.end(), false) != made.end())
        return 1;
    for (std::string_view piece : pieces)
        runCommand(std::string("DEL ").append(piece));
    return 0;
}

} // namespace kit
