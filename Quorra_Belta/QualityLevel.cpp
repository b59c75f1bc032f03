#include "QualityLevel.h"

#include "Console.h"
#include "Failure.h"
#include "FreeFormat.h"
#include "TextInput.h"

namespace belta {
namespace {

[[noreturn]] void stopInvalidQualityLevel()
{
    kit::console().line(" This value is not a valid quality level!");
    throw kit::Stop{};
}

} // namespace

std::int32_t chooseQualityLevel()
{
    auto& c = kit::console();
    c.line("Choose quality level of data: ");
    c.line("      0:   QUAL can have any value ");
    c.line("      1:   QUAL 1, 2 and 3    ");
    c.line("      2:   QUAL 2 and 3    ");
    c.line("      3:   only QUAL 3     ");
    c.line("      ");
    c.line("                  ......(2 or 3 is recommended)...");
    c.line("      ");

    std::int32_t LOWLEV = 0;
    kit::TextInput& in = kit::standardInput();
    kit::RecordReader reader(in);
    switch (reader.read(LOWLEV)) {
    case kit::ReadStatus::Ok:
        break;
    case kit::ReadStatus::End:
        throw kit::RuntimeFailure(kit::FailureCode::EndOfFile,
                                  in.name() + ": end of file before the quality level");
    case kit::ReadStatus::Error:
        throw kit::RuntimeFailure(kit::FailureCode::BadValue,
                                  in.name() + ": the quality level is not an integer");
    }
    if (LOWLEV < 0 || LOWLEV > 3)
        stopInvalidQualityLevel();
    return LOWLEV;
}

} // namespace belta
