#include "RunMessages.h"

#include "Console.h"
#include "Failure.h"

namespace belta {
namespace {

[[noreturn]] void stop()
{
    throw kit::Stop{};
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

void stopInvalidQualityLevel()
{
    kit::console().line(" This value is not a valid quality level!");
    stop();
}

} // namespace belta
