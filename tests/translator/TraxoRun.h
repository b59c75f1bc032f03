#pragma once
// Runs the real TRAXO in a scratch folder, on files the test writes there, and collects
// everything it leaves: console output, standard error, exit code and the folder's files.
#include <string>
#include <vector>

#include "ProgramRun.h"
#include "ScratchFolder.h"
#include "TestText.h"

namespace traxo_test {

using kit_test::crlfLines;
using kit_test::Files;
using kit_test::ScratchFolder;

inline const std::string kPrologue = "\x1b%0BIN;SP1;PW0.2;";
inline const std::string kEpilogue = "\x1b%0A\x1b" "E";

struct RunResult : kit_test::ProgramRun {
    Files files;  // every regular file in the folder after the run
};

RunResult runTraxo(const ScratchFolder& folder, std::vector<std::string> args);

// Console lines as TRAXO shows them when standard output is no terminal.
std::string progressLines(int pages);  // "Translating page    1\rTranslating page    2..."
std::string totalLine(int pages);      // "\rTotal number of pages translated:    3"

// A page of macro lines as TRAXO writes it.
std::string page(const std::string& commands, bool complete = true);
// Text lines ended by LF.
std::string eps(const std::vector<std::string>& textLines);

} // namespace traxo_test
