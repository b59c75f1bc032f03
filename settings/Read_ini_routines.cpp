// The settings state and its lookups. The file is read once per name into a fixed table, so a
// lookup is a plain scan of memory: no allocation, no file access.
#include "Read_ini_routines.h"

#include "Console.h"
#include "Failure.h"
#include "FileDescriptor.h"
#include "HostPath.h"
#include "Text.h"
#include "TextInput.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>

namespace Read_ini_routines {

namespace {

constexpr std::size_t kMaxLines = 100;
constexpr std::size_t kLineLength = 256;
using Line = kit::Text<kLineLength>;

// One record for the whole run, as the programs expect: what was loaded, from which file.
struct Options {
    int CNT = 0;
    std::array<Line, kMaxLines> LINES;
    bool initialized = false;
    Line iniFilename{"Options.ini"};
};

Options options;

// The settings name as the program gave it, without the padding of its 256-character field.
std::string_view settingsName()
{
    return options.iniFilename.trimmed();
}

// A header line "[name]..." names `section` when one of its "]" closes exactly that name;
// every "]" is tried, so "[a]b]" names both "a" and "a]b".
bool headerNames(std::string_view line, std::string_view section)
{
    for (std::size_t j = 1; j < line.size(); ++j)
        if (line[j] == ']' && kit::textEquals(section, line.substr(1, j - 1)))
            return true;
    return false;
}

// The column after the first "=" whose left side is `kwd`, or npos when no "=" qualifies.
std::size_t valueStart(std::string_view line, std::string_view kwd)
{
    for (std::size_t j = 0; j < line.size(); ++j)
        if (line[j] == '=' && kit::textEquals(kwd, line.substr(0, j)))
            return j + 1;
    return std::string_view::npos;
}

} // namespace

void setIniFilename(std::string_view value, bool& is_ini_found)
{
    if (options.initialized) {
        if (!kit::textEquals(value, options.iniFilename.view())) {
            options.iniFilename = value;
            loadOptions();
        }
    } else {
        options.iniFilename = value;
    }
    // Only a test: the lines come from loadOptions, which opens the file afresh.
    is_ini_found = kit::isReadableFile(settingsName());
}

void getValue(std::string_view section, std::string_view kwd, std::span<char> value, std::string_view DEFAULT,
              bool& is_found)
{
    kit::assignText(value, {});
    getValueX(section, kwd, value);
    is_found = true;
    if (kit::trimRight({value.data(), value.size()}).empty()) {
        is_found = false;
        kit::assignText(value, DEFAULT);
    }
}

bool getValueOnOff(std::string_view section, std::string_view kwd, bool DEFAULT, bool& is_found)
{
    kit::Text<80> answer;
    getValueX(section, kwd, answer.span());
    is_found = true;
    UPCASE(answer.span());
    if (answer == "ON")
        return true;
    if (answer == "OFF")
        return false;
    is_found = false;
    return DEFAULT;
}

void loadOptions()
{
    options.CNT = 0;
    const std::string name(settingsName());
    // A missing settings file is created empty, so a program without one runs on its defaults.
    // Opening a pipe waits for its writer: the console shows first what the run has said.
    kit::console().flush();
    kit::FileDescriptor file = kit::openFile(name, O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
    if (!file.isOpen())
        throw kit::RuntimeFailure(kit::FailureCode::FileError,
                                  name + ": cannot open: " + std::strerror(errno));
    kit::TextInput input; // closes the file however the load ends, the "16" stop included
    input.attach(std::move(file), name);
    std::string_view line;
    while (input.readLine(line, kLineLength)) {
        ++options.CNT;
        if (options.CNT > static_cast<int>(kMaxLines))
            throw kit::Stop{"16"};
        options.LINES[options.CNT - 1] = line;
    }
    options.initialized = true;
}

void getValueX(std::string_view section, std::string_view kwd, std::span<char> value)
{
    if (!options.initialized)
        loadOptions();
    bool foundSection = false;
    kit::assignText(value, {});
    for (int i = 0; i < options.CNT; ++i) {
        const std::string_view line = options.LINES[i].view();
        if (line[0] == '[') {
            // A header that names another section leaves an earlier match standing.
            if (headerNames(line, section))
                foundSection = true;
        } else if (foundSection) {
            const std::size_t start = valueStart(line, kwd);
            if (start == std::string_view::npos)
                continue;
            // A blank value does not count: a later line with the same key may still supply one.
            const std::string_view found = kit::trimRight(line.substr(start));
            if (!found.empty()) {
                kit::assignText(value, found);
                return;
            }
        }
    }
}

void resetForTesting()
{
    options = Options{};
}

} // namespace Read_ini_routines
