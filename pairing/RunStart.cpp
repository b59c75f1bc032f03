#include "RunStart.h"

#include "Console.h"
#include "Failure.h"
#include "PairingStops.h"
#include "Read_ini_routines.h"

namespace kit {

namespace {
void findSettingsFileOrStop(const SettingsFile& settings)
{
    bool is_ini_found = false;
    Read_ini_routines::setIniFilename(settings.name, is_ini_found);
    if (is_ini_found)
        return;
    auto& c = console();
    c.line("A required file  -  ", settings.name, " - cannot be found.");
    c.line(settings.name, " is supposed to contain information", settings.blanksBeforeOn,
           "on file locations.");
    c.line("Program stopped.       ");
    throw Stop{};
}

void printBanner(const SettingsFile& settings)
{
    auto& c = console();
    c.line(" This program produces several output files.");
    c.line(" They are for use by HAVK, MORVANTE and TESSARY.");
    c.line(" ");
    c.line(" Settings from the file ", settings.name, " are used.");
    c.line(" ");
}
} // namespace

void startRun(const SettingsFile& settings)
{
    lockFolderOrStop();
    findSettingsFileOrStop(settings);
    printBanner(settings);
}

Text<256> settingsValue(std::string_view key)
{
    Text<256> value;
    bool is_found = false;
    Read_ini_routines::getValue("Files", key, value.span(), "", is_found);
    return value;
}

void readFolderSettings(FolderSettings& settings)
{
    settings.Results_path = settingsValue("Results_path");
    settings.Results_filename = settingsValue("Results_file");
    settings.Master_path = settingsValue("Master_path");
}

} // namespace kit
