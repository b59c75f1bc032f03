#pragma once
// Runs the real Quorra_Belta binary in a scratch folder on files a test writes, and builds the
// console text the program is expected to write.
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace belta_test {

struct RunResult {
    std::string out;
    std::string err;
    int exitCode = -1;
};

// A fresh folder for one run; removed when the test ends.
class Scratch {
public:
    Scratch();
    ~Scratch();
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    const std::filesystem::path& dir() const { return work_; }
    // A path beside the folder, for files the program must not see (scripts, logs).
    std::filesystem::path aside(std::string_view name) const { return root_ / name; }
    // Writes `bytes` to `name` (relative to the folder), making folders on the way.
    void write(std::string_view name, std::string_view bytes) const;
    // Lines ended by CR LF.
    void writeLines(std::string_view name, std::initializer_list<std::string_view> lines) const;
    void makeFolder(std::string_view name) const;
    std::string read(std::string_view name) const;
    bool exists(std::string_view name) const;
    // The names in the folder (not below it), sorted.
    std::vector<std::string> listing() const;

    // Runs the program with `input` on standard input. COMSPEC is unset unless `comspec` is given.
    RunResult run(std::string_view input, std::optional<std::string> comspec = std::nullopt) const;

private:
    std::filesystem::path root_;
    std::filesystem::path work_;
};

// The layout most runs use: settings naming "results" and "master", the model results file
// results/model.txt, master/MASTER.IND and master/IND.BTT. Each input gets a heading line.
extern const std::string standardTrailer;
void writeStandardLayout(const Scratch& s, const std::vector<std::string>& modelRecords,
                         const std::vector<std::string>& observationRecords);

// Console lines of a run that reaches the end and makes both result files.
std::vector<std::string> completedRunLines(std::string_view pairDataFile, std::string_view scatterFile, int N_REC);
// Expected result files of the standard layout.
std::string pairDataFile(int N_REC, const std::vector<std::string>& pairRecords);
std::string scatterFile(std::string_view title, int N_REC, const std::vector<std::string>& pairRecords);

// Joins lines as the console writes them to a file: the first line preceded by nothing, each
// later one by CR LF, the last one ended by CR LF.
std::string consoleText(const std::vector<std::string>& lines);
// Lines ended by CR LF, as the program's files hold them.
std::string fileText(const std::vector<std::string>& lines);

// Appends `more` to `lines`.
void append(std::vector<std::string>& lines, const std::vector<std::string>& more);

extern const std::vector<std::string> bannerLines;
extern const std::vector<std::string> qualityPromptLines;
extern const std::vector<std::string> idPromptLines;
extern const std::string endOfRunLines;

// The summary of a run that made both result files.
std::vector<std::string> summaryLines(std::string_view pairDataFile, std::string_view scatterFile, int N_REC);

// A name padded with blanks to the program's 256-character name field.
std::string fullName(std::string_view name);

} // namespace belta_test
