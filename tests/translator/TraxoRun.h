#pragma once
// Runs the real TRAXO in a fresh folder of its own, on files the test writes there, and collects
// everything it leaves: console output, standard error, exit code and the folder's files.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace traxo_test {

inline const std::string kPrologue = "\x1b%0BIN;SP1;PW0.2;";
inline const std::string kEpilogue = "\x1b%0A\x1b" "E";

using Files = std::map<std::string, std::string>;  // relative path -> bytes

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
    Files files;  // every regular file in the folder after the run
};

class TraxoFolder {
public:
    TraxoFolder();
    ~TraxoFolder();
    void write(const std::string& path, const std::string& bytes);
    RunResult run(const std::vector<std::string>& args);

private:
    std::filesystem::path root_;
    std::filesystem::path work_;
};

// Console lines as TRAXO shows them when standard output is no terminal.
std::string progressLines(int pages);  // "Translating page    1\rTranslating page    2..."
std::string totalLine(int pages);      // "\rTotal number of pages translated:    3"
std::string lines(const std::vector<std::string>& texts);  // joined and ended by CR LF

// A page of macro lines as TRAXO writes it.
std::string page(const std::string& commands, bool complete = true);
// Text lines ended by LF.
std::string eps(const std::vector<std::string>& textLines);

} // namespace traxo_test
