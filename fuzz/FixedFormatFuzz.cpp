// The fixed-field writer on arbitrary values and field descriptors: every field must take
// exactly w columns and touch nothing beside them, and what it shows must read back as the
// value (or be w asterisks when the value does not fit).
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "FixedFormat.h"
#include "FuzzInput.h"

namespace {

constexpr int kMaxWidth = 64;
constexpr char kGuard = '\x7f';

bool allAsterisks(std::string_view s)
{
    return s.find_first_not_of('*') == std::string_view::npos;
}

// The field with its blanks on the left taken off; it must be right-aligned and blank-free.
std::string_view shown(std::string_view field)
{
    const std::size_t first = field.find_first_not_of(' ');
    FUZZ_CHECK(first != std::string_view::npos);
    const std::string_view s = field.substr(first);
    FUZZ_CHECK(s.find(' ') == std::string_view::npos);
    return s;
}

void checkI(std::string_view field, std::int64_t value)
{
    if (allAsterisks(field)) {
        FUZZ_CHECK(std::to_string(value).size() > field.size());
        return;
    }
    FUZZ_CHECK(std::string(shown(field)) == std::to_string(value));
}

void checkF(std::string_view field, double value, int d)
{
    if (allAsterisks(field))
        return; // a too-wide value; a wrong asterisk field would be caught by the tests' tables
    FUZZ_CHECK(std::isfinite(value));
    const std::string s(shown(field));
    const std::size_t point = s.find('.');
    FUZZ_CHECK(point != std::string::npos);
    FUZZ_CHECK(static_cast<int>(s.size() - point - 1) == d);
    // The shown number is the value rounded to d decimals.
    const double back = std::strtod(s.c_str(), nullptr);
    const double step = std::pow(10.0, -d);
    FUZZ_CHECK(std::fabs(back - value) <= 0.5 * step * (1 + 1e-9) + std::fabs(value) * 1e-15);
    // No minus for a value that shows as zero.
    if (s[0] == '-')
        FUZZ_CHECK(back != 0.0);
}

void checkA(std::string_view field, std::string_view text)
{
    if (text.size() >= field.size())
        FUZZ_CHECK(field == text.substr(0, field.size()));
    else
        FUZZ_CHECK(field.substr(field.size() - text.size()) == text &&
                   field.find_first_not_of(' ') >= field.size() - text.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    kit::Record record;
    std::string expected; // the fields one after the other, as written on their own
    std::vector<char> out(kMaxWidth + 2);

    while (input.remaining_bytes() > 0) {
        const auto kind = input.ConsumeIntegral<std::uint8_t>();
        const int w = 1 + input.ConsumeIntegral<std::uint8_t>() % kMaxWidth;
        std::fill(out.begin(), out.end(), kGuard);
        char* field = out.data() + 1;
        switch (kind % 4) {
        case 0: {
            const auto value = static_cast<std::int64_t>(input.ConsumeIntegral<std::uint64_t>());
            kit::formatI(field, value, w);
            checkI({field, static_cast<std::size_t>(w)}, value);
            record.I(value, w);
            break;
        }
        case 1: {
            const int d =
                input.ConsumeIntegral<std::uint8_t>() % 19; // the decimals that a descriptor can ask for
            double value;
            const auto bits = input.ConsumeIntegral<std::uint64_t>();
            std::memcpy(&value, &bits, sizeof value);
            if (kind & 0x10)
                value = static_cast<double>(static_cast<float>(value)); // the programs' 32-bit reals
            kit::formatF(field, value, w, d);
            checkF({field, static_cast<std::size_t>(w)}, value, d);
            record.F(value, w, d);
            break;
        }
        case 2: {
            const std::string text =
                input.ConsumeBytesAsString(input.ConsumeIntegral<std::uint8_t>() % (2 * kMaxWidth));
            kit::formatA(field, text, w);
            checkA({field, static_cast<std::size_t>(w)}, text);
            record.A(text, w);
            break;
        }
        default: {
            const std::string literal =
                input.ConsumeBytesAsString(input.ConsumeIntegral<std::uint8_t>() % 16);
            record.text(literal);
            expected.append(literal);
            continue;
        }
        }
        FUZZ_CHECK(out.front() == kGuard && out[static_cast<std::size_t>(w) + 1] == kGuard);
        expected.append(field, static_cast<std::size_t>(w));
    }
    FUZZ_CHECK(record.view() == expected);
    return 0;
}
