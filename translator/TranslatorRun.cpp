#include "TranslatorRun.h"

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "Console.h"
#include "Failure.h"
#include "FileWriting.h"
#include "FixedFormat.h"
#include "LineTranslation.h"
#include "Text.h"
#include "TextInput.h"
#include "TextOutput.h"

namespace traxo {
namespace {

using Name = kit::Text<40>;

constexpr int kLastPage = 999;
// A longer name would leave fewer than three places for the page number in a 40-character
// page-file name, and different pages would overwrite each other's file.
constexpr std::size_t kLongestBaseName = 37;

// ESC %0B enters HP-GL/2 with the pen where it was; IN; initializes; SP1; takes pen 1;
// PW0.2; sets the pen width.
constexpr std::string_view kPagePrologue = "\x1b%0BIN;SP1;PW0.2;";
// ESC %0A goes back to PCL; ESC E resets the printer, which ends the page.
constexpr std::string_view kPageEpilogue = "\x1b%0A\x1b"
                                           "E";

std::string fourColumns(int value)
{
    std::string field(4, ' ');
    kit::formatI(field.data(), value, 4);
    return field;
}

[[noreturn]] void stopNoArgument()
{
    kit::console().line("You must specify a file name (no extension) on the command line.");
    kit::console().line("TRAXO will assume that the input PostScript file has an extension EPS,");
    kit::console().line("and that the output HP-GL/2 file has an extension HGL.");
    kit::console().line("Execution aborts.");
    throw kit::Stop{};
}

[[noreturn]] void stopNoInput(const Name& inputName)
{
    kit::console().line("Error opening ", inputName.view());
    kit::console().line("This input PostScrtip file is required to run TRAXO.");
    kit::console().line("Execution aborts.");
    throw kit::Stop{};
}

[[noreturn]] void stopNoFirstPage()
{
    kit::console().line("Cannot find the beginning of the first page.");
    kit::console().line("Execution aborts.");
    throw kit::Stop{};
}

[[noreturn]] void stopBaseNameTooLong(std::string_view baseName)
{
    kit::console().line("The file name ", baseName, " is too long for page files:");
    kit::console().line("each page file needs the name and a three-digit page number within 40 characters,");
    kit::console().line("so the name may have at most 37 characters.");
    kit::console().line("Execution aborts.");
    throw kit::Stop{};
}

[[noreturn]] void stopPageFileIsInput(std::string_view pageFile, const Name& inputName)
{
    kit::console().line("The page file ", pageFile, " is the input file ", inputName.trimmed(),
                        " under another name.");
    kit::console().line("Execution aborts.");
    throw kit::Stop{};
}

// Leaves the input at the first-page marker, so that the marker is read again as the first
// line of page 1 (so each line is kept as long as a page's lines are, though only its first five
// characters count here). A read that fails counts as the end of the input here.
bool findFirstPage(kit::TextInput& input)
{
    std::string_view line;
    try {
        while (input.readLine(line, kLineLength)) {
            if (line.substr(0, 5) == "0 0 M") {
                input.stepBack();
                return true;
            }
        }
    } catch (const kit::RuntimeFailure&) {
    }
    return false;
}

Name pageFileName(std::string_view baseName, int page)
{
    // Room for any int, so that no optimiser sees a cut; the name takes the first three digits.
    char digits[12];
    std::snprintf(digits, sizeof digits, "%03d", page);
    // Cut at 40 characters: the extension goes first, then the digits.
    return kit::joinText<40>({baseName, std::string_view(digits, 3), ".hgl"});
}

// Translates lines into the page file until the page-end line (true) or the document-end
// line (false). The input may not end before either.
bool translatePage(kit::TextInput& input, LineTranslator& translator, kit::TextOutput& page, int pageNumber)
{
    std::string_view raw;
    for (;;) {
        if (!input.readLine(raw, kLineLength))
            throw kit::RuntimeFailure(kit::FailureCode::EndOfFile,
                                      "The input file " + input.name() + " ends inside page " +
                                          std::to_string(pageNumber) + ", before its line %%Trailer");
        switch (translator.translate(raw)) {
        case LineTranslator::Answer::DocumentEnd:
            return false;
        case LineTranslator::Answer::PageEnd:
            return true;
        case LineTranslator::Answer::Command:
            page.write(translator.command());
            break;
        case LineTranslator::Answer::Skipped:
        case LineTranslator::Answer::TranslationApplied:
            break;
        }
    }
}

// After the last page the loop can take: tells whether, before the document-end line, the input
// holds a line that a 1000th page would have turned into a pen command or a page end. A line that
// would have stopped that page, or a read that fails, ends the look: the run itself is complete.
bool pagesLeftOver(kit::TextInput& input)
{
    LineTranslator lookAhead;
    std::string_view raw;
    try {
        while (input.readLine(raw, kLineLength)) {
            const std::optional<LineTranslator::Answer> answer = lookAhead.translateKnown(raw);
            if (!answer || *answer == LineTranslator::Answer::DocumentEnd)
                return false;
            if (*answer == LineTranslator::Answer::PageEnd || *answer == LineTranslator::Answer::Command)
                return true;
        }
    } catch (const kit::RuntimeFailure&) {
    }
    return false;
}

// A page file that is the input under another name (a link) would cut the input while it is
// read: each page file's name is looked at when that page is about to be made.
class InputGuard {
public:
    InputGuard(const kit::TextInput& input, const Name& inputName) : inputName_(inputName)
    {
        inputs_.add(kit::fileIdentity(input.descriptor()));
    }
    void refusePage(const Name& pageFile) const
    {
        if (inputs_.contains(pageFile.trimmed()))
            stopPageFileIsInput(pageFile.trimmed(), inputName_);
    }

private:
    kit::InputFiles inputs_;
    Name inputName_;
};

// The complete pages are on disk before the total counts them. Each page's writing to disk is
// begun when it is complete, and one sync of their file system then waits for them all, bytes
// and names: a sync of each page and of its folder would cost more than the translation itself.
void syncPages(const Name& lastPage)
{
    if (const int error = kit::syncFileSystemOf(lastPage.trimmed()))
        throw kit::RuntimeFailure(kit::FailureCode::FileError,
                                  std::string(lastPage.trimmed()) +
                                      ": write failed: " + std::strerror(error));
}

} // namespace

int runTranslator(std::string_view argument)
{
    const Name baseName(argument);
    if (baseName.isBlank())
        stopNoArgument();
    const std::string_view stem = baseName.trimmed();

    Name fileName = kit::joinText<40>({stem, ".eps"});
    kit::TextInput input;
    if (!input.open(fileName.trimmed()))
        stopNoInput(fileName);
    if (!findFirstPage(input))
        stopNoFirstPage();
    if (stem.size() > kLongestBaseName)
        stopBaseNameTooLong(stem);
    const InputGuard guard(input, fileName);

    LineTranslator translator;
    // Whatever ends the run inside a page, the page file keeps what was written to it: the
    // output closes itself when a stop or a run-time failure unwinds through here.
    kit::TextOutput page;
    int pageNumber = 1;
    bool documentEnded = false;
    for (; pageNumber <= kLastPage; ++pageNumber) {
        fileName = pageFileName(stem, pageNumber);
        guard.refusePage(fileName);
        kit::console().overprint("Translating page ", fourColumns(pageNumber));
        page.create(fileName.trimmed(), kit::Sync::Begun);
        page.write(kPagePrologue);
        if (!translatePage(input, translator, page, pageNumber)) {
            documentEnded = true;
            break;
        }
        page.write(kPageEpilogue);
        page.close();
    }

    // The file opened for the page that never came is dropped before anything else can fail.
    if (documentEnded)
        page.discard();
    if (pageNumber > 1)
        syncPages(pageFileName(stem, pageNumber - 1));
    kit::console().overprint("Total number of pages translated: ", fourColumns(pageNumber - 1));
    if (documentEnded) {
        // What stood under the never-coming page's name goes too, once the total counts the
        // pages before it: only it, whatever its name holds.
        kit::removeFile(fileName.trimmed());
    } else if (pagesLeftOver(input)) {
        kit::console().line("The pages after page 999 were not translated.");
    }
    return 0;
}

} // namespace traxo
