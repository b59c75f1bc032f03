// TRAXO's line classification and translation on arbitrary lines, one translator for all the
// lines of an input (so translations add up as they do over a document). The two early ends,
// a stop after the "not understood" lines and a run-time failure for a line that cannot be
// read, are caught here; nothing else may escape, and every pen command must be well formed.
#include <cstdint>
#include <string>
#include <string_view>

#include "Console.h"
#include "Failure.h"
#include "FuzzInput.h"
#include "LineTranslation.h"

namespace {

bool beginsWith(std::string_view s, std::string_view start)
{
    return s.substr(0, start.size()) == start;
}

// "PU" or "PD;PA", then x, ",", y and ";"; each coordinate a four-column field or a wider
// plain integer.
void checkCommand(std::string_view command)
{
    FUZZ_CHECK(beginsWith(command, "PU") || beginsWith(command, "PD;PA"));
    FUZZ_CHECK(!command.empty() && command.back() == ';');
    FUZZ_CHECK(command.find(',') != std::string_view::npos);
    const bool pu = beginsWith(command, "PU");
    const std::string_view coordinates = command.substr(pu ? 2 : 5, command.size() - (pu ? 3 : 6));
    for (char c : coordinates)
        FUZZ_CHECK(c == ' ' || c == '-' || c == ',' || (c >= '0' && c <= '9'));
    if (coordinates.size() == 9)
        FUZZ_CHECK(command.size() == (pu ? 12u : 15u));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kit::Console console(-1, false);
    kit::setConsoleForTesting(&console);
    traxo::LineTranslator translator;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    fuzz::forEachLine(text, [&](std::string_view raw) {
        const traxo::LineKind kind = traxo::classifyLine(raw);
        const traxo::Line line(raw);
        // Only the first 40 characters count, and every rule looks at no more than 30.
        FUZZ_CHECK(traxo::classifyLine(line.view()) == kind);
        const std::size_t before = console.captured().size();
        try {
            const auto answer = translator.translate(line);
            FUZZ_CHECK(console.captured().size() == before);
            using Answer = traxo::LineTranslator::Answer;
            switch (answer) {
            case Answer::DocumentEnd:
                FUZZ_CHECK(kind == traxo::LineKind::DocumentEnd);
                break;
            case Answer::PageEnd:
                FUZZ_CHECK(kind == traxo::LineKind::PageEnd);
                break;
            case Answer::Skipped:
                FUZZ_CHECK(kind == traxo::LineKind::Skipped);
                break;
            case Answer::TranslationApplied:
                FUZZ_CHECK(kind == traxo::LineKind::Macro);
                break;
            case Answer::Command:
                FUZZ_CHECK(kind == traxo::LineKind::Macro);
                checkCommand(translator.command());
                break;
            }
        } catch (const kit::Stop& stop) {
            FUZZ_CHECK(kind == traxo::LineKind::Macro);
            FUZZ_CHECK(stop.text.empty());
            const std::string_view said = std::string_view(console.captured()).substr(before);
            FUZZ_CHECK(said.find(" not understood") != std::string_view::npos);
            FUZZ_CHECK(said.find("Execution aborts.") != std::string_view::npos);
        } catch (const kit::RuntimeFailure& failure) {
            FUZZ_CHECK(kind == traxo::LineKind::Macro);
            FUZZ_CHECK(failure.exitCode() > 0 && failure.exitCode() <= 16);
            FUZZ_CHECK(console.captured().size() == before);
        }
    });
    kit::setConsoleForTesting(nullptr);
    return 0;
}
