#include "BeltaRun.h"
#include "Program.h"

int main()
{
    return kit::runConsoleProgram(belta::runBelta, kit::EndOfRun::Prompt);
}
