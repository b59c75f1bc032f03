#include "RunMessages.h"

#include "Console.h"
#include "Failure.h"

namespace belta {
namespace {

[[noreturn]] void stop()
{
    throw kit::Stop{};
}

void editSettingsHint()
{
    kit::console().line(" Edit the file Quorra_Belta.INI to specify where it is located.");
}

} // namespace

void stopSettingsMissing()
{
    auto& c = kit::console();
    c.line("A required file  -  Quorra_Belta.ini - cannot be found.");
    c.line("Quorra_Belta.ini is supposed to contain information ", " on file locations.");
    c.line("Program stopped.       ");
    stop();
}

void stopModelResultsNotOpened(std::string_view Results_file)
{
    auto& c = kit::console();
    c.line(" File ", Results_file, " cannot be opened.");
    c.line(" It is expected to contain modelled results.");
    editSettingsHint();
    c.line(" Execution stopped.");
    c.line(" ");
    stop();
}

void stopMasterNotOpened(std::string_view MASTNAME)
{
    auto& c = kit::console();
    c.line(" ");
    c.line(" Error opening file ", MASTNAME);
    c.line(" This file is supplied with the Tarnwick.");
    editSettingsHint();
    c.line(" ");
    stop();
}

void stopTrailerNotOpened(std::string_view Master_path)
{
    auto& c = kit::console();
    c.line(" ");
    c.line(" Error opening file ", Master_path, "\\IND.BTT");
    c.line(" This file is supplied with the Tarnwick.");
    editSettingsHint();
    c.line(" ");
    stop();
}

void stopInvalidQualityLevel()
{
    kit::console().line(" This value is not a valid quality level!");
    stop();
}

void stopMasterReadError(std::string_view MASTNAME)
{
    auto& c = kit::console();
    c.line(" ");
    c.line(" Error while reading file ", MASTNAME);
    c.line(" This file is supplied with the Tarnwick.");
    c.line(" Check that it contains what it is supposed to.");
    c.line(" ");
    stop();
}

void stopModelReadError(std::string_view Results_file)
{
    auto& c = kit::console();
    c.line(" ");
    c.line(" Error while reading the file ", Results_file);
    c.line(" This is a file containing model results.");
    c.line(" Check that it conforms with the format specifications.");
    c.line(" ");
    stop();
}

} // namespace belta
