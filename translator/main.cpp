#include "CommandLine.h"
#include "Program.h"
#include "TranslatorRun.h"

int main(int argc, char** argv)
{
    return kit::runConsoleProgram(
        [&] { return traxo::runTranslator(traxo::commandLineArgument(argc, argv)); }, kit::EndOfRun::Silent);
}
