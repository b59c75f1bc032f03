#include "Command.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "BuiltInCommands.h"
#include "Console.h"
#include "Text.h"

extern char** environ;

namespace kit {

namespace {

int spawnAndWait(const char* program, std::vector<std::string> args)
{
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid;
    const int error = ::posix_spawnp(&pid, program, nullptr, nullptr, argv.data(), environ);
    if (error != 0) {
        errorLine(std::string("cannot start ") + program + ": " + std::strerror(error));
        return 1;
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return 1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

} // namespace

bool interpreterNamed()
{
    const char* comspec = std::getenv("COMSPEC");
    return comspec != nullptr && *comspec != '\0';
}

int runCommand(std::string_view commandText)
{
    console().endLastLine();
    if (commandText.find('\0') != std::string_view::npos) {
        errorLine("a command holds a NUL character and was not run");
        return 1;
    }
    if (interpreterNamed()) {
        const char* comspec = std::getenv("COMSPEC");
        return spawnAndWait(comspec, {comspec, "/c", std::string(commandText)});
    }
    const std::string_view text = trimRight(commandText);
    if (const std::optional<int> status = runBuiltInCommand(text))
        return *status;
    return spawnAndWait("/bin/sh", {"sh", "-c", std::string(text)});
}

} // namespace kit
