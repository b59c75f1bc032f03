#pragma once
// A fresh scratch folder for one bad-input run: the case writes its input files there, and
// the folder remembers their bytes so that the test can tell whether the run changed any.
#include <map>
#include <string>
#include <string_view>

#include "ScratchFolder.h"

namespace robust {

class SweepFolder {
public:
    const kit_test::ScratchFolder& scratch() const { return scratch_; }
    // An input file (name relative to the folder; sub-folders are made as needed).
    void write(const std::string& name, std::string_view bytes);
    // A folder where the program expects a file.
    void makeFolder(const std::string& name);
    // An input file that the program may not read (mode 000).
    void writeUnreadable(const std::string& name, std::string_view bytes);

    // The input files whose bytes differ now from what was written (or that are gone).
    std::string changedInputs() const;

private:
    kit_test::ScratchFolder scratch_;
    std::map<std::string, std::string> inputs_;
};

} // namespace robust
