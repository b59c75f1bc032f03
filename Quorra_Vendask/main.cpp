#include "PairingRun.h"
#include "Program.h"

int main()
{
    return kit::runConsoleProgram(vendask::runPairingProgram, kit::EndOfRun::Prompt);
}
