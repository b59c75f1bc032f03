#include "TextOutput.h"

#include <cerrno>
#include <cstring>

#include "Failure.h"

namespace kit {

TextOutput::~TextOutput()
{
    if (!file_.isOpen())
        return;
    try {
        close();
    } catch (const RuntimeFailure&) {
        // The run is ending already; the older file stays.
    }
}

void TextOutput::fail(const char* what, int error)
{
    file_.discard();
    used_ = 0;
    throw RuntimeFailure(FailureCode::FileError, name_ + ": " + what + ": " + std::strerror(error));
}

void TextOutput::create(std::string_view name, Sync sync)
{
    close();
    name_ = name;
    sync_ = sync;
    if (const int error = file_.open(name, ReplacingFile::Links::Replace))
        fail("cannot open for writing", error);
}

void TextOutput::writeBeyondBuffer(std::string_view bytes)
{
    flushBuffer();
    if (bytes.size() >= kBufferSize) {
        writeOut(bytes.data(), bytes.size());
        return;
    }
    std::memcpy(buffer_.get(), bytes.data(), bytes.size());
    used_ = bytes.size();
}

void TextOutput::flushBuffer()
{
    const std::size_t size = used_;
    used_ = 0;
    writeOut(buffer_.get(), size);
}

void TextOutput::writeOut(const char* bytes, std::size_t size)
{
    if (!writeAll(file_.descriptor(), {bytes, size}))
        fail("write failed", errno);
}

void TextOutput::close()
{
    if (!file_.isOpen())
        return;
    flushBuffer();
    if (const int error = file_.commit(sync_))
        fail("write failed", error);
}

void TextOutput::discard()
{
    file_.discard();
    used_ = 0;
}

} // namespace kit
