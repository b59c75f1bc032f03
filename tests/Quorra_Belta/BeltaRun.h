#pragma once
// Runs the real Quorra_Belta in a scratch folder on files a test writes, and builds the console
// text the program is expected to write.
#include <string>
#include <string_view>
#include <vector>

#include "PairingStopLines.h"
#include "ProgramRun.h"
#include "ScratchFolder.h"
#include "TestText.h"

namespace kit_test {

// Runs the program in the folder with `input` on standard input and `environment` on top of the
// test's own.
ProgramRun runBelta(const ScratchFolder& folder, std::string input, Environment environment = {});

// The layout most runs use: settings naming "results" and "master", the model results file
// results/model.txt, master/MASTER.IND and master/IND.BTT. Each input gets a heading line.
extern const std::string kTrailer;
void writeIndianapolisInputs(const ScratchFolder& folder, const std::vector<std::string>& modelRecords,
                             const std::vector<std::string>& observationRecords);

// Console lines of a run that reaches the end and makes both result files.
std::vector<std::string> completedRunLines(std::string_view pairDataFile, std::string_view scatterFile,
                                           int N_REC);
// Expected result files of the standard layout.
std::string pairDataFile(int N_REC, const std::vector<std::string>& pairRecords);
std::string scatterFile(std::string_view title, int N_REC, const std::vector<std::string>& pairRecords);

extern const std::vector<std::string> kBannerLines;
extern const std::vector<std::string> kQualityPromptLines;
extern const std::vector<std::string> kIdPromptLines;

// The summary of a run that made both result files.
std::vector<std::string> summaryLines(std::string_view pairDataFile, std::string_view scatterFile, int N_REC);

} // namespace kit_test
