#include "Read_ini_routines.h"

#include "CurrentFolder.h"
#include "Failure.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace Read_ini_routines;

// Each test runs in a fresh folder of its own, with the module as at program start.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { resetForTesting(); }
    void TearDown() override { resetForTesting(); }

    static void write(const std::string& name, const std::string& bytes)
    {
        std::ofstream(name, std::ios::binary) << bytes;
    }

    struct Answer {
        std::string value;
        bool found;
    };

    // getValue into a buffer of `width` characters, with the default "none".
    static Answer lookup(std::string_view section, std::string_view kwd, std::size_t width = 20)
    {
        std::string value(width, '?');
        bool found = true;
        getValue(section, kwd, value, "none", found);
        return {value, found};
    }

    static std::string padded(std::string text, std::size_t width)
    {
        text.resize(width, ' ');
        return text;
    }

    static std::string stopText(const std::function<void()>& action)
    {
        try {
            action();
        } catch (const kit::Stop& stop) {
            return stop.text;
        }
        return "<no stop>";
    }

private:
    kit_test::CurrentScratchFolder folder_;
};

TEST_F(SettingsTest, LookupsFollowFileLayout)
{
    struct Case {
        const char* what;
        std::string file;
        std::string_view section, kwd;
        std::size_t width;
        std::string value; // without its padding; "none" (cut to width) when not found
        bool found;
    };
    const Case cases[] = {
        {"empty file", "", "Files", "Results_path", 20, "none", false},
        {"blank after the equals sign is kept", "[Files]\nResults_path = C:\\data\n", "Files", "Results_path",
         20, " C:\\data", true},
        {"key before its section header", "Results_path=x\n[Files]\n", "Files", "Results_path", 20, "none",
         false},
        {"section case counts", "[files]\nk=v\n", "Files", "k", 20, "none", false},
        {"later header keeps the section open", "[Files]\n[Other]\nk=v\n", "Files", "k", 20, "v", true},
        {"key under the later header", "[Files]\n[Other]\nk=v\n", "Other", "k", 20, "v", true},
        {"key before the asked header", "[Files]\nk=v\n[Other]\n", "Other", "k", 20, "none", false},
        {"blank value, later duplicate", "[Files]\nResults_path=\nResults_path=C:\\data\n", "Files",
         "Results_path", 20, "C:\\data", true},
        {"blank value, no duplicate", "[Files]\nResults_path=   \n", "Files", "Results_path", 20, "none",
         false},
        {"blank value never borrows the next line", "[Files]\nResults_path=\nMaster_path=C:\\m\n", "Files",
         "Results_path", 20, "none", false},
        {"first equals sign", "[Files]\na=b=c\n", "Files", "a", 20, "b=c", true},
        {"second equals sign", "[Files]\na=b=c\n", "Files", "a=b", 20, "c", true},
        {"header is never a key line", "[Files]Results_path=x\n", "Files", "Results_path", 20, "none", false},
        {"text after a header's bracket", "[Files]Results_path=x\nk=v\n", "Files", "k", 20, "v", true},
        {"every closing bracket is tried", "[a]b]\nk=v\n", "a]b", "k", 20, "v", true},
        {"empty section name", "[]\nk=v\n", "  ", "k", 20, "v", true},
        {"first match wins", "[Files]\nk=one\nk=two\n", "Files", "k", 20, "one", true},
        {"blanks before the equals sign", "[Files]\nk  =v  \n", "Files", "k", 20, "v", true},
        {"blanks before the key", "[Files]\n k=v\n", "Files", "k", 20, "none", false},
        {"empty key", "[Files]\n=v\n", "Files", "", 20, "v", true},
        {"CR LF line ends", "[Files]\r\nk=v\r\n", "Files", "k", 20, "v", true},
        {"last line without line end", "[Files]\nk=v", "Files", "k", 20, "v", true},
        {"value cut to the buffer", "[Files]\nk=abcdefgh\n", "Files", "k", 4, "abcd", true},
        {"leading blanks fill the buffer", "[Files]\nk=   x\n", "Files", "k", 3, "non", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        write("case.ini", c.file);
        resetForTesting();
        bool exists = false;
        setIniFilename("case.ini", exists);
        EXPECT_TRUE(exists);
        const Answer a = lookup(c.section, c.kwd, c.width);
        EXPECT_EQ(a.value, padded(c.value, c.width));
        EXPECT_EQ(a.found, c.found);
    }
}

TEST_F(SettingsTest, LineBeyondColumn256IsCut)
{
    const std::string kept(254, 'x');
    write("long.ini", "[Files]\nk=" + kept + "yyyy\n" + std::string(255, 'q') + "=lost\n");
    bool exists = false;
    setIniFilename("long.ini", exists);
    EXPECT_EQ(lookup("Files", "k", 300).value, padded(kept, 300));
    // An equals sign in column 256 leaves no room for a value.
    EXPECT_FALSE(lookup("Files", std::string(255, 'q')).found);
}

TEST_F(SettingsTest, HundredLinesLoadAndOneMoreStops)
{
    std::string lines = "[Files]\n";
    for (int i = 2; i < 100; ++i)
        lines += "filler" + std::to_string(i) + "=x\n";
    lines += "last=here\n";
    write("full.ini", lines);
    write("over.ini", lines + "\n"); // the 101st line is blank and still counts

    bool exists = false;
    setIniFilename("full.ini", exists);
    EXPECT_EQ(lookup("Files", "last").value, padded("here", 20));
    EXPECT_EQ(stopText([] {
                  bool found = false;
                  setIniFilename("over.ini", found);
              }),
              "16");
    resetForTesting();
    setIniFilename("over.ini", exists);
    EXPECT_EQ(stopText([] { lookup("Files", "last"); }), "16");
}

TEST_F(SettingsTest, WithoutANameOptionsIniIsReadOrCreated)
{
    EXPECT_EQ(lookup("Files", "k").value, padded("none", 20));
    ASSERT_TRUE(fs::exists("Options.ini"));
    EXPECT_EQ(fs::file_size("Options.ini"), 0u);

    resetForTesting();
    write("Options.ini", "[Files]\nk=v\n");
    EXPECT_EQ(lookup("Files", "k").value, padded("v", 20));
}

TEST_F(SettingsTest, MissingFileIsReportedThenCreatedByTheFirstLookup)
{
    bool exists = true;
    setIniFilename("absent.ini", exists);
    EXPECT_FALSE(exists);
    EXPECT_FALSE(fs::exists("absent.ini")); // the test alone creates nothing
    EXPECT_FALSE(lookup("Files", "k").found);
    EXPECT_TRUE(fs::exists("absent.ini"));
}

TEST_F(SettingsTest, ReloadedNameThatIsMissingIsCreatedAndFound)
{
    write("a.ini", "[Files]\nk=v\n");
    bool exists = false;
    setIniFilename("a.ini", exists);
    EXPECT_EQ(lookup("Files", "k").value, padded("v", 20));
    setIniFilename("new.ini", exists);
    EXPECT_TRUE(exists);
    EXPECT_TRUE(fs::exists("new.ini"));
    EXPECT_FALSE(lookup("Files", "k").found);
}

TEST_F(SettingsTest, NamesAreComparedWithCaseAndWithoutTrailingBlanks)
{
    write("a.ini", "[Files]\nk=lower\n");
    write("A.INI", "[Files]\nk=upper\n");
    bool exists = false;
    setIniFilename("a.ini", exists); // only stores the name: the first lookup reads
    write("a.ini", "[Files]\nk=first\n");
    EXPECT_EQ(lookup("Files", "k").value, padded("first", 20));

    write("a.ini", "[Files]\nk=edited\n");
    EXPECT_EQ(lookup("Files", "k").value, padded("first", 20)); // lines are held, not re-read
    setIniFilename("a.ini    ", exists);
    EXPECT_TRUE(exists);
    EXPECT_EQ(lookup("Files", "k").value, padded("first", 20));

    setIniFilename("A.INI", exists); // a different name reloads at once
    write("A.INI", "[Files]\nk=too late\n");
    EXPECT_EQ(lookup("Files", "k").value, padded("upper", 20));
}

TEST_F(SettingsTest, BackslashSeparatesFolders)
{
    fs::create_directory("sub");
    write("sub/s.ini", "[Files]\nk=deep\n");
    bool exists = false;
    setIniFilename("sub\\s.ini", exists);
    EXPECT_TRUE(exists);
    EXPECT_EQ(lookup("Files", "k").value, padded("deep", 20));
}

// A folder is no settings file, nor is a name that holds a NUL, though the part before the NUL
// names one: the settings are not read from there.
TEST_F(SettingsTest, FolderOrNameWithANulIsNotASettingsFile)
{
    fs::create_directory("folder.ini");
    write("s.ini", "[Files]\nk=v\n");
    struct Case {
        std::string name;
        const char* failure; // as the diagnostic line shows it: a name up to its NUL
    } cases[] = {
        {"folder.ini", "folder.ini: cannot open: Is a directory"},
        {std::string("s.ini\0x", 7), "s.ini"},
    };
    for (const Case& c : cases) {
        bool exists = true;
        setIniFilename(c.name, exists);
        EXPECT_FALSE(exists) << c.failure;
        try {
            lookup("Files", "k");
            ADD_FAILURE() << c.failure << ": read as settings";
        } catch (const kit::RuntimeFailure& failure) {
            EXPECT_EQ(failure.exitCode(), static_cast<int>(kit::FailureCode::FileError));
            EXPECT_STREQ(failure.what(), c.failure);
        }
    }
}

TEST_F(SettingsTest, OnOffAnswers)
{
    struct Case {
        std::string line;
        bool fallback, expected, found;
    };
    const Case cases[] = {
        {"k=on", false, true, true},
        {"k=On", false, true, true},
        {"k=ON   ", false, true, true},
        {"k=oFf", true, false, true},
        {"k=OFF", true, false, true},
        {"k=ONE", false, false, false},
        {"k=ONE", true, true, false},
        {"k= on", false, false, false},
        {"k=yes", true, true, false},
        {"k=1", false, false, false},
        {"other=on", true, true, false},
        {"k=ON" + std::string(78, ' ') + "tail", false, true, true}, // cut at 80 characters
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        write("onoff.ini", "[Switches]\n" + c.line + "\n");
        resetForTesting();
        bool exists = false;
        setIniFilename("onoff.ini", exists);
        bool found = !c.found;
        EXPECT_EQ(getValueOnOff("Switches", "k", c.fallback, found), c.expected);
        EXPECT_EQ(found, c.found);
    }
}

TEST_F(SettingsTest, RawLookupLeavesBlanksWhenNothingMatches)
{
    write("raw.ini", "[Files]\nk=v\n");
    bool exists = false;
    setIniFilename("raw.ini", exists);
    std::string value(8, '?');
    getValueX("Files", "missing", value);
    EXPECT_EQ(value, std::string(8, ' '));
    getValueX("Files", "k", value);
    EXPECT_EQ(value, padded("v", 8));
}

} // namespace
