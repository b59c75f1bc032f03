// The free-format record reader on arbitrary bytes, read as records of every mix of integer,
// real and text fields (up to four fields, the mix taken from the input's first bytes), and
// the field scanner alone on every line with a field type chosen per value.
// Nothing may crash or hang; every record read consumes at least one line, so reading ends.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>

#include <sys/mman.h>
#include <unistd.h>

#include <fuzzer/FuzzedDataProvider.h>

#include "FreeFormat.h"
#include "FuzzInput.h"
#include "Text.h"
#include "TextInput.h"

namespace {

constexpr int kMaxFields = 4;

using Word = kit::Text<8>;

void check(std::int32_t) {}
void check(float v)
{
    // Reals beyond the float range are errors, never infinities; "nan" is no real.
    FUZZ_CHECK(std::isfinite(v));
}
void check(const Word& w)
{
    FUZZ_CHECK(w.view().size() == Word::size());
}

// Reads records of the given fields until the input ends or a value cannot be read.
template <class... Fields>
void readRecords(kit::TextInput& in, std::size_t lineCount, bool skipHeading)
{
    kit::RecordReader reader(in);
    if (skipHeading && !reader.skipLine())
        return;
    std::tuple<Fields...> fields{};
    std::size_t records = 0;
    for (;;) {
        const kit::ReadStatus status = std::apply([&](auto&... f) { return reader.read(f...); }, fields);
        if (status != kit::ReadStatus::Ok)
            break;
        ++records;
        FUZZ_CHECK(records <= lineCount);
        std::apply([](auto&... f) { (check(f), ...); }, fields);
    }
}

// Picks the type of each field from `mix`, two bits per field.
template <int Depth, class... Fields>
void dispatch(unsigned mix, int count, kit::TextInput& in, std::size_t lineCount, bool skipHeading)
{
    if constexpr (Depth == kMaxFields) {
        readRecords<Fields...>(in, lineCount, skipHeading);
    } else {
        if (Depth == count)
            return readRecords<Fields...>(in, lineCount, skipHeading);
        switch ((mix >> (2 * Depth)) % 4) {
        case 0:
        case 3:
            return dispatch<Depth + 1, Fields..., std::int32_t>(mix, count, in, lineCount, skipHeading);
        case 1:
            return dispatch<Depth + 1, Fields..., float>(mix, count, in, lineCount, skipHeading);
        default:
            return dispatch<Depth + 1, Fields..., Word>(mix, count, in, lineCount, skipHeading);
        }
    }
}

// The scanner on one line, the type of each value taken in turn from `types`.
void scanLine(std::string_view line, std::string_view types)
{
    kit::FieldScanner scanner(line);
    for (std::size_t i = 0; i <= line.size(); ++i) {
        const char type = types.empty() ? 0 : types[i % types.size()];
        kit::FieldScanner::Result r;
        switch (static_cast<unsigned char>(type) % 3) {
        case 0: {
            std::int32_t v = 7;
            r = scanner.next(v);
            break;
        }
        case 1: {
            float v = 7.0f;
            r = scanner.next(v);
            if (r == kit::FieldScanner::Result::Value)
                check(v);
            break;
        }
        default: {
            Word w;
            r = scanner.next(w);
            break;
        }
        }
        if (r == kit::FieldScanner::Result::Exhausted)
            return;
    }
    // Each value or null takes at least one character, so the line runs out within its length.
    std::int32_t v = 0;
    FUZZ_CHECK(scanner.next(v) == kit::FieldScanner::Result::Exhausted);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const auto head = input.ConsumeIntegral<std::uint8_t>();
    const int count = 1 + head % kMaxFields;
    const bool skipHeading = (head & 0x10) != 0;
    const unsigned mix = input.ConsumeIntegral<std::uint8_t>();
    const std::string types = input.ConsumeBytesAsString(4);
    const std::string file = input.ConsumeRemainingBytesAsString();

    std::size_t lineCount = 0;
    fuzz::forEachLine(file, [&](std::string_view line) {
        ++lineCount;
        scanLine(line, types);
    });

    // The bytes as a file, read through a descriptor as the programs read theirs.
    const int fd = ::memfd_create("free-format", MFD_CLOEXEC);
    FUZZ_CHECK(fd >= 0);
    FUZZ_CHECK(::write(fd, file.data(), file.size()) == static_cast<ssize_t>(file.size()));
    FUZZ_CHECK(::lseek(fd, 0, SEEK_SET) == 0);
    {
        kit::TextInput in;
        in.attach(fd, "fuzz input");
        dispatch<0>(mix, count, in, lineCount, skipHeading);
    }
    ::close(fd);
    return 0;
}
