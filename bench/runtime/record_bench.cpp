// Speed of the pairing programs' hot path: free-format values read, fixed fields written; and of
// passing over the part of a line that no reader uses, which must grow only linearly with it.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "FixedFormat.h"
#include "FreeFormat.h"
#include "TextInput.h"

namespace {

// A file of model-result-like records: 4 integers and 3 reals a line.
std::string makeRecords(int lines)
{
    std::string path = "/tmp/kit-bench-records-" + std::to_string(::getpid());
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fputs("heading\r\n", f);
    for (int i = 0; i < lines; ++i)
        std::fprintf(f, "78 10 %d %d %.2f %.1f %.3f\r\n", 1 + i % 28, 100 * (i % 24), 0.5 + i % 50,
                     1234.5 + i % 1000, 0.01 * (i % 97));
    std::fclose(f);
    return path;
}

void ReadFreeFormatValues(benchmark::State& state)
{
    const int lines = 200000;
    const std::string path = makeRecords(lines);
    std::int64_t values = 0;
    for (auto _ : state) {
        kit::TextInput in;
        in.open(path);
        kit::RecordReader reader(in);
        reader.skipLine();
        std::int32_t yr, mo, dy, hr;
        float dist, c, cy;
        while (reader.read(yr, mo, dy, hr, dist, c, cy) == kit::ReadStatus::Ok)
            values += 7;
        benchmark::DoNotOptimize(c);
    }
    state.counters["values/s"] = benchmark::Counter(static_cast<double>(values), benchmark::Counter::kIsRate);
    std::remove(path.c_str());
}
BENCHMARK(ReadFreeFormatValues)->Unit(benchmark::kMillisecond);

// A file holding one line of `length` characters, then a short one.
std::string makeLongLine(std::size_t length)
{
    std::string path = "/tmp/kit-bench-long-line-" + std::to_string(::getpid());
    std::FILE* f = std::fopen(path.c_str(), "wb");
    const std::string piece(1 << 20, 'x');
    for (std::size_t left = length; left > 0; left -= std::min(left, piece.size()))
        std::fwrite(piece.data(), 1, std::min(left, piece.size()), f);
    std::fputs("\r\nlast\r\n", f);
    std::fclose(f);
    return path;
}

// An ID answer of `range(0)` MiB: 12 characters are kept, the rest is passed over as it is read.
void PassOverLongLine(benchmark::State& state)
{
    const std::size_t length = static_cast<std::size_t>(state.range(0)) << 20;
    const std::string path = makeLongLine(length);
    for (auto _ : state) {
        kit::TextInput in;
        in.open(path);
        std::string_view line;
        in.readLine(line, 12);
        in.readLine(line, 12);
        benchmark::DoNotOptimize(line.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(length));
    std::remove(path.c_str());
}
BENCHMARK(PassOverLongLine)->Arg(16)->Arg(64)->Arg(256)->Unit(benchmark::kMillisecond);

void WriteFixedFields(benchmark::State& state)
{
    kit::Record r;
    std::int64_t fields = 0;
    float c = 1234.5f;
    for (auto _ : state) {
        // One Copenhagen pair-data record: 11 fields.
        r.clear()
            .I(1, 1)
            .F(c, 10, 1)
            .F(987.6f, 10, 1)
            .F(1.9f, 7, 2)
            .F(0.37f, 7, 3)
            .F(-12.3f, 7, 1)
            .F(810.0f, 7, 0)
            .I(78, 3)
            .I(10, 3)
            .I(19, 3)
            .I(1200, 6);
        benchmark::DoNotOptimize(r.view().data());
        c += 0.1f;
        fields += 11;
    }
    state.counters["fields/s"] = benchmark::Counter(static_cast<double>(fields), benchmark::Counter::kIsRate);
}
BENCHMARK(WriteFixedFields);

} // namespace
