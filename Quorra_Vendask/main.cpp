#include "Program.h"
#include "VendaskRun.h"

int main()
{
    return kit::runConsoleProgram(vendask::runVendask, kit::EndOfRun::Prompt);
}
