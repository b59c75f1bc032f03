#include "TempFolder.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "kit-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(path_);
}

TempFolder::~TempFolder()
{
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void TempFolder::write(const std::string& name, const std::string& bytes) const
{
    std::ofstream out(path_ / name, std::ios::binary);
    out << bytes;
}

std::string TempFolder::read(const std::string& name) const
{
    std::ifstream in(path_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool TempFolder::exists(const std::string& name) const
{
    return std::filesystem::exists(path_ / name);
}
