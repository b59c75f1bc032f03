// The settings reader on arbitrary file bytes, then lookups of the sections and keys that the
// file names (and a few made of its first bytes): nothing may crash, a file of more than 100
// lines must stop with "16", and every answer must be a value of the file or the default.
#include <string>
#include <string_view>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "Failure.h"
#include "FuzzInput.h"
#include "Read_ini_routines.h"
#include "ScratchFolder.h"
#include "Text.h"

namespace {

using namespace Read_ini_routines;

constexpr std::size_t kMaxLines = 100;
constexpr std::size_t kLineLength = 256;
constexpr std::size_t kMaxLookups = 48;
constexpr std::string_view kDefault = "DEFAULT";

// Where the input is written as the settings file; removed when the process ends.
const kit_test::ScratchFolder scratch;

struct Names {
    std::vector<std::string_view> sections;
    std::vector<std::string_view> keys;
    std::vector<std::string_view> lines; // as stored: the first 256 characters
};

Names namesIn(std::string_view file)
{
    Names n;
    fuzz::forEachLine(file, [&](std::string_view line) {
        line = line.substr(0, kLineLength);
        n.lines.push_back(line);
        if (!line.empty() && line[0] == '[') {
            for (std::size_t j = 1; j < line.size(); ++j)
                if (line[j] == ']')
                    n.sections.push_back(line.substr(1, j - 1));
        } else if (const std::size_t eq = line.find('='); eq != std::string_view::npos) {
            n.keys.push_back(line.substr(0, eq));
        }
    });
    return n;
}

// A found value is the rest of some line after an "=", without trailing blanks.
bool isValueOfSomeLine(std::string_view value, const Names& n)
{
    for (std::string_view line : n.lines)
        for (std::size_t eq = line.find('='); eq != std::string_view::npos; eq = line.find('=', eq + 1))
            if (kit::trimRight(line.substr(eq + 1)) == value)
                return true;
    return false;
}

void lookUp(std::string_view section, std::string_view key, const Names& n)
{
    kit::Text<kLineLength> value;
    bool found = false;
    getValue(section, key, value.span(), kDefault, found);
    if (found) {
        FUZZ_CHECK(!value.isBlank());
        FUZZ_CHECK(isValueOfSomeLine(value.trimmed(), n));
    } else {
        FUZZ_CHECK(value == kDefault);
    }

    // A short buffer gets the value's beginning.
    kit::Text<3> shortValue;
    getValueX(section, key, shortValue.span());
    if (found)
        FUZZ_CHECK(shortValue == value.view().substr(0, 3));

    bool onOffFound = false;
    const bool on = getValueOnOff(section, key, true, onOffFound);
    if (onOffFound) {
        FUZZ_CHECK(found);
        kit::Text<kLineLength> upper = value;
        UPCASE(upper.span());
        // The on/off answer is judged on the value's first 80 characters.
        FUZZ_CHECK(kit::textEquals(upper.view().substr(0, 80), on ? "ON" : "OFF"));
    } else {
        FUZZ_CHECK(on);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::size_t probeLength = input.ConsumeIntegral<std::uint8_t>() % 16;
    const std::string probe = input.ConsumeBytesAsString(probeLength);
    const std::string file = input.ConsumeRemainingBytesAsString();

    scratch.write("settings.ini", file);
    const std::string path = (scratch / "settings.ini").string();
    const Names names = namesIn(file);

    resetForTesting();
    bool iniFound = false;
    setIniFilename(path, iniFound);
    FUZZ_CHECK(iniFound);
    try {
        loadOptions();
    } catch (const kit::Stop& stop) {
        FUZZ_CHECK(stop.text == "16");
        FUZZ_CHECK(names.lines.size() > kMaxLines);
        return 0;
    }
    FUZZ_CHECK(names.lines.size() <= kMaxLines);

    // The same file under another spelling of its name: the reload must give the same lines.
    setIniFilename((scratch / "./settings.ini").string(), iniFound);
    FUZZ_CHECK(iniFound);

    std::size_t lookups = 0;
    for (std::string_view section : names.sections)
        for (std::string_view key : names.keys)
            if (lookups++ < kMaxLookups)
                lookUp(section, key, names);
    lookUp(probe, probe, names);
    lookUp("Files", probe, names);
    lookUp({}, {}, names);
    for (std::string_view key : names.keys)
        if (lookups++ < 2 * kMaxLookups)
            lookUp(probe, key, names);

    // The helpers on the same bytes.
    std::string text(file.substr(0, 512));
    const int first = firstChar(text);
    const int last = lastChar(text);
    FUZZ_CHECK(first >= 0 && last >= first && static_cast<std::size_t>(last) <= text.size());
    DOWNCASE(text);
    UPCASE(text);
    FUZZ_CHECK(text.size() == std::min<std::size_t>(file.size(), 512));
    return 0;
}
