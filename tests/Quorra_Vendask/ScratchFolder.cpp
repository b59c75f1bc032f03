#include "ScratchFolder.h"

#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vendask::testing {

ScratchFolder::ScratchFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "vendask-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a scratch folder");
    path_ = pattern;
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void ScratchFolder::write(std::string_view name, std::string_view bytes) const
{
    const std::filesystem::path p = path_ / name;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + p.string());
}

std::string ScratchFolder::read(std::string_view name) const
{
    std::ifstream in(path_ / name, std::ios::binary);
    if (!in)
        return "<missing " + std::string(name) + ">";
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool ScratchFolder::exists(std::string_view name) const
{
    return std::filesystem::exists(path_ / name);
}

std::vector<std::string> ScratchFolder::list(std::string_view folder) const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_ / folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string crlfLines(const std::vector<std::string>& lines)
{
    std::string s;
    for (const std::string& l : lines)
        s.append(l).append("\r\n");
    return s;
}

} // namespace vendask::testing
