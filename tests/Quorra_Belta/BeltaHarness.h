#pragma once
// Runs the real Quorra_Belta binary in a scratch folder on files a test writes, and builds the
// console text the program is expected to write.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ProgramRun.h"
#include "ScratchFolder.h"
#include "TestText.h"

namespace belta_test {

using kit_test::crlfLines;
using kit_test::field;
using kit_test::ScratchFolder;
using RunResult = kit_test::ProgramRun;

// Runs the program in the folder with `input` on standard input. COMSPEC is unset unless
// `comspec` is given.
RunResult runBelta(const ScratchFolder& s, std::string input, std::optional<std::string> comspec = std::nullopt);

// The layout most runs use: settings naming "results" and "master", the model results file
// results/model.txt, master/MASTER.IND and master/IND.BTT. Each input gets a heading line.
extern const std::string standardTrailer;
void writeStandardLayout(const ScratchFolder& s, const std::vector<std::string>& modelRecords,
                         const std::vector<std::string>& observationRecords);

// Console lines of a run that reaches the end and makes both result files.
std::vector<std::string> completedRunLines(std::string_view pairDataFile, std::string_view scatterFile, int N_REC);
// Expected result files of the standard layout.
std::string pairDataFile(int N_REC, const std::vector<std::string>& pairRecords);
std::string scatterFile(std::string_view title, int N_REC, const std::vector<std::string>& pairRecords);

// Appends `more` to `lines`.
void append(std::vector<std::string>& lines, const std::vector<std::string>& more);

extern const std::vector<std::string> bannerLines;
extern const std::vector<std::string> qualityPromptLines;
extern const std::vector<std::string> idPromptLines;
extern const std::string endOfRunLines;

// The summary of a run that made both result files.
std::vector<std::string> summaryLines(std::string_view pairDataFile, std::string_view scatterFile, int N_REC);

} // namespace belta_test
