#include "TraxoRun.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace traxo_test {
namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string fourColumns(int n)
{
    char b[16];
    std::snprintf(b, sizeof b, "%4d", n);
    return b;
}

} // namespace

TraxoFolder::TraxoFolder()
{
    std::string pattern = (fs::temp_directory_path() / "traxo-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    root_ = pattern;
    work_ = root_ / "work";
    fs::create_directory(work_);
}

TraxoFolder::~TraxoFolder()
{
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

void TraxoFolder::write(const std::string& path, const std::string& bytes)
{
    const fs::path p = work_ / path;
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
}

RunResult TraxoFolder::run(const std::vector<std::string>& args)
{
    const std::string outPath = (root_ / "stdout").string();
    const std::string errPath = (root_ / "stderr").string();
    std::vector<char*> argv{const_cast<char*>(TRAXO_PATH)};
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid == 0) {
        const int in = ::open("/dev/null", O_RDONLY);
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0 || err < 0 || ::chdir(work_.c_str()) != 0)
            ::_exit(127);
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(err, 2);
        ::unsetenv("COMSPEC");
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);

    RunResult r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    r.out = readFile(outPath);
    r.err = readFile(errPath);
    for (const auto& e : fs::recursive_directory_iterator(work_))
        if (e.is_regular_file())
            r.files[fs::relative(e.path(), work_).string()] = readFile(e.path());
    return r;
}

std::string progressLines(int pages)
{
    std::string s;
    for (int p = 1; p <= pages; ++p)
        s += (p > 1 ? "\r" : "") + std::string("Translating page ") + fourColumns(p);
    return s;
}

std::string totalLine(int pages)
{
    return "\rTotal number of pages translated: " + fourColumns(pages);
}

std::string lines(const std::vector<std::string>& texts)
{
    std::string s;
    for (std::size_t i = 0; i < texts.size(); ++i)
        s += (i > 0 ? "\r\n" : "") + texts[i];
    return s + "\r\n";
}

std::string page(const std::string& commands, bool complete)
{
    return kPrologue + commands + (complete ? kEpilogue : "");
}

std::string eps(const std::vector<std::string>& textLines)
{
    std::string s;
    for (const std::string& l : textLines)
        s += l + "\n";
    return s;
}

} // namespace traxo_test
