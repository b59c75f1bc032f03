#pragma once
// A fresh temporary folder for one bad-input run: the case writes its input files there, and
// the folder remembers their bytes so that the test can tell whether the run changed any.
#include <map>
#include <string>
#include <string_view>

namespace robust {

class SweepFolder {
public:
    SweepFolder();
    ~SweepFolder();
    SweepFolder(const SweepFolder&) = delete;
    SweepFolder& operator=(const SweepFolder&) = delete;

    const std::string& path() const { return path_; }
    // An input file (name relative to the folder; sub-folders are made as needed).
    void write(const std::string& name, std::string_view bytes);
    // A folder where the program expects a file.
    void makeFolder(const std::string& name);
    // An input file that the program may not read (mode 000).
    void writeUnreadable(const std::string& name, std::string_view bytes);

    // The input files whose bytes differ now from what was written (or that are gone).
    std::string changedInputs() const;

private:
    std::string path_;
    std::map<std::string, std::string> inputs_;
};

// True when the tests run as root, for whom no file is unreadable.
bool runningAsRoot();

} // namespace robust
