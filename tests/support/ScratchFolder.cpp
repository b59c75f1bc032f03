#include "ScratchFolder.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>

#include "ProgramRun.h"
#include "TestText.h"

namespace kit_test {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder()
{
    std::string pattern = (fs::temp_directory_path() / "kit-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a scratch folder");
    root_ = pattern;
    work_ = root_ / "work";
    fs::create_directory(work_);
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

void ScratchFolder::write(std::string_view name, std::string_view bytes) const
{
    const fs::path file = work_ / name;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

void ScratchFolder::writeLines(std::string_view name, const std::vector<std::string>& lines) const
{
    write(name, crlfLines(lines));
}

void ScratchFolder::makeFolder(std::string_view name) const
{
    fs::create_directories(work_ / name);
}

namespace {
std::optional<std::string> bytesOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}
} // namespace

std::string readFile(const std::filesystem::path& file)
{
    return bytesOf(file).value_or("<missing " + file.string() + ">");
}

std::string ScratchFolder::read(std::string_view name) const
{
    return bytesOf(work_ / name).value_or("<missing " + std::string(name) + ">");
}

bool ScratchFolder::exists(std::string_view name) const
{
    return fs::exists(work_ / name);
}

std::vector<std::string> ScratchFolder::list(std::string_view folder) const
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(work_ / folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

Files ScratchFolder::files() const
{
    Files found;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(work_))
        if (entry.is_regular_file()) {
            const std::string name = fs::relative(entry.path(), work_).string();
            found[name] = read(name);
        }
    return found;
}

void ScratchFolder::handOver() const
{
    const std::optional<UnprivilegedUser> user = unprivilegedUser();
    if (!user)
        return;
    // The private folder around it only lets the user through; what lies beside stays root's.
    fs::permissions(root_, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    const auto give = [&](const fs::path& p) {
        if (::lchown(p.c_str(), user->uid, user->gid) != 0)
            throw std::runtime_error("cannot hand over " + p.string());
    };
    give(work_);
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(work_))
        give(entry.path());
}

} // namespace kit_test
