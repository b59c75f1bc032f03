#include "ProgramRun.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vendask::testing {
namespace {

std::string slurp(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

ProgramRun runVendask(const std::filesystem::path& folder, std::string_view input,
                      const std::vector<std::pair<std::string, std::string>>& environment)
{
    // The captured streams live beside the folder, so they never show in its listing.
    const std::filesystem::path io = folder.string() + ".io";
    std::filesystem::create_directories(io);
    {
        std::ofstream in(io / "stdin", std::ios::binary);
        in.write(input.data(), static_cast<std::streamsize>(input.size()));
    }

    const pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        const int in = ::open((io / "stdin").c_str(), O_RDONLY);
        const int out = ::open((io / "stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = ::open((io / "stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0 || err < 0 || ::chdir(folder.c_str()) != 0)
            ::_exit(127);
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(err, 2);
        ::unsetenv("COMSPEC");
        for (const auto& [key, value] : environment)
            ::setenv(key.c_str(), value.c_str(), 1);
        ::execl(VENDASK_BINARY, "Quorra_Vendask", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);

    ProgramRun run;
    run.out = slurp(io / "stdout");
    run.err = slurp(io / "stderr");
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    std::filesystem::remove_all(io);
    return run;
}

} // namespace vendask::testing
