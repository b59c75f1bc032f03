#pragma once
// A text file read line by line the framework's way: a line ends at a CR byte, and an LF right
// after that CR belongs to the line end; a lone LF is an ordinary character; a byte 26 ends the
// file; a last line without a line end is still read. Reading past the end gives empty lines.
// The whole file is read when it is opened (the viewer's files are small).
#include <string>

namespace vcl {

class TextFile {
public:
    // Opens the file for reading; raises EInOutError when it cannot be opened or read.
    explicit TextFile(const std::string& fileName);

    bool Eof() const { return pos_ >= text_.size(); }
    std::string ReadLn();

private:
    std::string text_;
    std::size_t pos_ = 0;
};

} // namespace vcl
