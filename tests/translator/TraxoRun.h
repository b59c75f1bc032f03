#pragma once
// Runs the real TRAXO in a scratch folder, on files the test writes there, and builds the pages
// and console text the program is expected to write.
#include <string>
#include <vector>

#include "ProgramRun.h"
#include "ScratchFolder.h"
#include "TestText.h"

namespace kit_test {

inline const std::string kPrologue = "\x1b%0BIN;SP1;PW0.2;";
inline const std::string kEpilogue = "\x1b%0A\x1b"
                                     "E";

// Runs the program in the folder with `arguments` on its command line.
ProgramRun runTraxo(const ScratchFolder& folder, std::vector<std::string> arguments);

// Console lines as TRAXO shows them when standard output is no terminal.
std::string progressLines(int pages); // "Translating page    1\rTranslating page    2..."
std::string totalLine(int pages);     // "\rTotal number of pages translated:    3"

// A page of macro lines as TRAXO writes it.
std::string page(const std::string& commands, bool complete = true);
// Text lines ended by LF.
std::string eps(const std::vector<std::string>& textLines);

} // namespace kit_test
