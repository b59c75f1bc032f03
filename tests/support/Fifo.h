#pragma once
// The writing end of a FIFO that a program under test reads, so that a test can hold the run at a
// known point: it waits on the FIFO while the test does something to it (sends it a signal).
#include <filesystem>
#include <string_view>

namespace kit_test {

class FifoWriter {
public:
    // Makes the FIFO at `path`.
    explicit FifoWriter(std::filesystem::path path);
    ~FifoWriter();
    FifoWriter(const FifoWriter&) = delete;
    FifoWriter& operator=(const FifoWriter&) = delete;

    // Writes `bytes` and returns once the reader has taken all of them: the reader then waits for
    // more. The first call waits for the reader to open the FIFO. Throws after ten seconds.
    void feed(std::string_view bytes);

private:
    std::filesystem::path path_;
    int fd_ = -1;
};

} // namespace kit_test
