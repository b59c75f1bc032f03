#pragma once
// A folder that may be written and entered but not listed (mode 0300, as a drop folder is set
// up) while the object lives; its mode comes back at its end, so that the test can look at what
// is in it.
#include <filesystem>

namespace kit_test {

class Unlistable {
public:
    explicit Unlistable(std::filesystem::path folder);
    ~Unlistable();
    Unlistable(const Unlistable&) = delete;
    Unlistable& operator=(const Unlistable&) = delete;

private:
    std::filesystem::path folder_;
    std::filesystem::perms mode_;
};

} // namespace kit_test
