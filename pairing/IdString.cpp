#include "IdString.h"

#include "Console.h"
#include "Failure.h"
#include "TextInput.h"

namespace kit {

Text<12> askIdString(std::string_view experiment)
{
    auto& c = console();
    c.line("      ");
    c.line("Enter a short ID string (max 12 characters).");
    c.line("It is added to the title for a scatter plot produced by TESSARY.");
    c.line("The title reads:");
    c.line(experiment, " scatter - <your string>");
    c.line("  ==>   ");
    TextInput& in = standardInput();
    std::string_view answer;
    if (!in.readLine(answer, Text<12>::size()))
        throw RuntimeFailure(FailureCode::EndOfFile, in.name() + ": end of file before the ID string");
    return Text<12>(answer);
}

} // namespace kit
