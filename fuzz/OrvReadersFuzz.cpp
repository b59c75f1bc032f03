// The viewer's three readers on arbitrary file bytes: the meteorological file, the list of
// experiments of an SF6 data file, and the blocks of a chosen experiment. The readers fill
// the viewer's form, so the program's forms are made once, under the application, in a
// private current folder. A reader may end with the framework's error (which the program
// shows in its error box); nothing else may escape, crash or hang.
#include <cstdint>
#include <string>
#include <string_view>

#include <fuzzer/FuzzedDataProvider.h>

#include "CurrentFolder.h"
#include "FuzzInput.h"
#include "GLControl.h"
#include "Main.h"
#include "ORVUnit1.h"
#include "ScratchFolder.h"
#include "vcl/Application.h"
#include "vcl/Exceptions.h"

namespace {

constexpr std::size_t kMostExperimentsRead = 3;

// The readers' files have fixed names in the current folder: this folder is the current folder
// only while the viewer's code runs, so that the fuzzer's own paths keep their meaning. It is
// removed when the process ends.
const kit_test::ScratchFolder scratch;

// The lines the viewer reads from `bytes`: a byte 26 ends the file, a CR (with an LF right
// after it) ends a line, a last line without a line end still counts.
int viewerLineCount(std::string_view bytes)
{
    bytes = bytes.substr(0, bytes.find('\x1a'));
    int lines = 0;
    std::size_t at = 0;
    while (at < bytes.size()) {
        ++lines;
        const std::size_t cr = bytes.find('\r', at);
        if (cr == std::string_view::npos)
            break;
        at = cr + 1;
        if (at < bytes.size() && bytes[at] == '\n')
            ++at;
    }
    return lines;
}

void readMeteo(std::string_view bytes)
{
    scratch.write("MISC_KIN.DAT", bytes);
    ReadMeteoFile();
    FUZZ_CHECK(Form1->Memo1->Lines.Count() == viewerLineCount(bytes));
}

// A folder in place of the data file raises the framework's I/O error (which the error box
// shows) and leaves the date list as the file before left it.
void readFolderAsDataFile()
{
    const int dates = Form1->ComboBox1->ItemCount();
    const std::string currentFolder = ".";
    DataFileName = currentFolder;
    bool raised = false;
    try {
        ReadExperimentList();
    } catch (const vcl::EInOutError& e) {
        raised = std::string_view(e.what()) == "File access denied";
    }
    FUZZ_CHECK(raised);
    FUZZ_CHECK(Form1->ComboBox1->ItemCount() == dates);
}

void readExperiments(std::string_view bytes)
{
    scratch.write("SF6_All.DAT", bytes);
    DataFileName = "SF6_All.DAT";
    ReadExperimentList();
    const int dates = Form1->ComboBox1->ItemCount();
    FUZZ_CHECK(dates <= viewerLineCount(bytes));
    FUZZ_CHECK(ExperimentDates.size() >= static_cast<std::size_t>(dates));
    for (std::size_t j = 0; j < std::min<std::size_t>(dates, kMostExperimentsRead); ++j) {
        SelectedDate = ExperimentDates[j];
        Form1->ComboBox2->ClearItems();
        ReadExperimentData();
        FUZZ_CHECK(Form1->StringGrid1->RowCount() >= 1);
        FUZZ_CHECK(Form1->StringGrid1->ColCount() == Form1->ComboBox2->ItemCount() + 3);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static int applicationArgc = 1;
    static char* applicationArgv[] = {(*argv)[0], nullptr};
    (void)argc;
    const kit_test::CurrentFolder here(scratch.path());
    // Start-up reads the meteorological file; with one there, no error box waits for a click.
    scratch.write("MISC_KIN.DAT", "");
    PrepareOpenGLFormat();
    new vcl::TApplication(applicationArgc, applicationArgv);
    CreateViewerForms();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const auto which = input.ConsumeIntegral<std::uint8_t>();
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    const kit_test::CurrentFolder here(scratch.path());
    try {
        if (which & 1) {
            readMeteo(bytes);
        } else {
            readExperiments(bytes);
            if (which & 2)
                readFolderAsDataFile();
        }
    } catch (const vcl::Exception&) {
        // Only a file that cannot be opened or read may fail, and these files can.
        FUZZ_CHECK(false);
    }
    return 0;
}
