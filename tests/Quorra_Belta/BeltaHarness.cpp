#include "BeltaHarness.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace belta_test {

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + p.string());
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const fs::path& p, std::string_view bytes)
{
    if (p.has_parent_path())
        fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + p.string());
}

// Joins texts; spares the compiler's false overlap warning on "literal" + string.
std::string cat(std::initializer_list<std::string_view> pieces)
{
    std::string text;
    for (std::string_view p : pieces)
        text.append(p);
    return text;
}

} // namespace

Scratch::Scratch()
{
    std::string pattern = (fs::temp_directory_path() / "belta-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    root_ = pattern;
    work_ = root_ / "work";
    fs::create_directory(work_);
}

Scratch::~Scratch()
{
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

void Scratch::write(std::string_view name, std::string_view bytes) const
{
    writeFile(work_ / name, bytes);
}

void Scratch::writeLines(std::string_view name, std::initializer_list<std::string_view> lines) const
{
    std::string bytes;
    for (std::string_view l : lines) {
        bytes.append(l);
        bytes.append("\r\n");
    }
    write(name, bytes);
}

void Scratch::makeFolder(std::string_view name) const
{
    fs::create_directories(work_ / name);
}

std::string Scratch::read(std::string_view name) const
{
    return readFile(work_ / name);
}

bool Scratch::exists(std::string_view name) const
{
    return fs::exists(work_ / name);
}

std::vector<std::string> Scratch::listing() const
{
    std::vector<std::string> names;
    for (const fs::directory_entry& e : fs::directory_iterator(work_))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

RunResult Scratch::run(std::string_view input, std::optional<std::string> comspec) const
{
    const fs::path in = root_ / "stdin", out = root_ / "stdout", err = root_ / "stderr";
    writeFile(in, input);
    const pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        const int fdIn = ::open(in.c_str(), O_RDONLY);
        const int fdOut = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int fdErr = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fdIn < 0 || fdOut < 0 || fdErr < 0 || ::dup2(fdIn, 0) < 0 || ::dup2(fdOut, 1) < 0 ||
            ::dup2(fdErr, 2) < 0 || ::chdir(work_.c_str()) != 0)
            ::_exit(127);
        if (comspec)
            ::setenv("COMSPEC", comspec->c_str(), 1);
        else
            ::unsetenv("COMSPEC");
        ::execl(BELTA_BINARY, BELTA_BINARY, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
    }
    RunResult r;
    r.out = readFile(out);
    r.err = readFile(err);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return r;
}

std::string consoleText(const std::vector<std::string>& lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += lines[i];
    }
    if (!lines.empty())
        text += "\r\n";
    return text;
}

std::string fileText(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& l : lines)
        text += l + "\r\n";
    return text;
}

void append(std::vector<std::string>& lines, const std::vector<std::string>& more)
{
    lines.insert(lines.end(), more.begin(), more.end());
}

const std::vector<std::string> bannerLines = {
    " This program produces several output files.",
    " They are for use by HAVK, MORVANTE and TESSARY.",
    " ",
    " Settings from the file Quorra_Belta.ini are used.",
    " ",
};

const std::vector<std::string> qualityPromptLines = {
    "Choose quality level of data: ",
    "      0:   QUAL can have any value ",
    "      1:   QUAL 1, 2 and 3    ",
    "      2:   QUAL 2 and 3    ",
    "      3:   only QUAL 3     ",
    "      ",
    "                  ......(2 or 3 is recommended)...",
    "      ",
};

const std::vector<std::string> idPromptLines = {
    "      ",
    "Enter a short ID string (max 12 characters).",
    "It is added to the title for a scatter plot produced by TESSARY.",
    "The title reads:",
    "Indianapolis scatter - <your string>",
    "  ==>   ",
};

const std::string endOfRunLines = "Program Completed\nPress Enter to Continue.\n";

std::vector<std::string> summaryLines(std::string_view pairDataFile, std::string_view scatterFile, int N_REC)
{
    return {
        "",
        "",
        cat({" The file ", pairDataFile, " has been created."}),
        " It can be used as input for HAVK and MORVANTE.",
        "",
        "",
        "",
        cat({" The file ", scatterFile, " has been created."}),
        " It can be used as input for TESSARY.",
        "",
        "",
        cat({"Number of data records:  ", std::to_string(N_REC)}),
        "",
    };
}

const std::string standardTrailer = " 'Trailer line one'\r\n 'Trailer line two'\r\n";

void writeStandardLayout(const Scratch& s, const std::vector<std::string>& modelRecords,
                         const std::vector<std::string>& observationRecords)
{
    s.writeLines("Quorra_Belta.ini",
                 {"[Files]", "Results_path=results", "Results_file=model.txt", "Master_path=master"});
    std::vector<std::string> model = {" YR MO DY HR DIST C_MOD"};
    append(model, modelRecords);
    s.write("results/model.txt", fileText(model));
    std::vector<std::string> observations = {" YR MO DY HR DIST C_OBS QUAL USTAR H/L ZMIX"};
    append(observations, observationRecords);
    s.write("master/MASTER.IND", fileText(observations));
    s.write("master/IND.BTT", standardTrailer);
}

std::vector<std::string> completedRunLines(std::string_view pairDataFile, std::string_view scatterFile, int N_REC)
{
    std::vector<std::string> lines = bannerLines;
    append(lines, qualityPromptLines);
    append(lines, idPromptLines);
    append(lines, summaryLines(pairDataFile, scatterFile, N_REC));
    return lines;
}

namespace {
std::string countField(int N_REC)
{
    std::string digits = std::to_string(N_REC);
    return std::string(4 - std::min<std::size_t>(4, digits.size()), ' ') + digits;
}
} // namespace

std::string pairDataFile(int N_REC, const std::vector<std::string>& pairRecords)
{
    const std::string count = countField(N_REC);
    std::vector<std::string> lines = {cat({" ", count, "   2   1   4"}), cat({" ", count}),
                                      " 'C_OBS' 'C_MOD' DIST     u*     HR  zmix  YR MO DY HR QUAL",
                                      " 'Block of all data'"};
    append(lines, pairRecords);
    return fileText(lines) + standardTrailer;
}

std::string scatterFile(std::string_view title, int N_REC, const std::vector<std::string>& pairRecords)
{
    std::vector<std::string> lines = {std::string(title), " c\\sub{obs}", " c\\sub{mod}", cat({countField(N_REC), " 1"}),
                                      "' '"};
    for (const std::string& p : pairRecords)
        lines.push_back(p.substr(1));  // the scatter record is the pair record without its leading count
    return fileText(lines);
}

std::string fullName(std::string_view name)
{
    std::string n(name);
    n.resize(256, ' ');
    return n;
}

} // namespace belta_test
