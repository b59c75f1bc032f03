// The file-writing layer met with each kind of failure: what stands under the name afterwards
// and what is left beside it. The faults come from the fault library this test is linked with,
// switched on through the environment of a child process that does the writing, so that a
// signal or a lost right ends only that child.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "FileWriting.h"
#include "ProgramRun.h"
#include "ScratchFolder.h"

namespace kit_test {
namespace {

namespace fs = std::filesystem;

const std::string kOlder = "the older file, whole\n";
const std::string kNewer = "the new file, which is longer than the older one\n";
const std::string kShorter = "short\n";

// How a child ended: the value it returned (an errno value), or the signal that ended it.
struct Ending {
    int value = 0;
    int signal = 0;
    bool operator==(const Ending&) const = default;
};

void PrintTo(const Ending& e, std::ostream* os)
{
    *os << (e.signal != 0 ? "signal " + std::to_string(e.signal) : "value " + std::to_string(e.value));
}

// Runs `body` in a child process, as an unprivileged user where asked and the tests run as root.
Ending inChild(const std::function<int()>& body, bool unprivileged)
{
    const std::optional<UnprivilegedUser> user = unprivileged ? unprivilegedUser() : std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        for (int s : {SIGINT, SIGTERM, SIGHUP})
            ::signal(s, SIG_DFL);
        if (user && !becomeUser(*user))
            ::_exit(126);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) ? Ending{0, WTERMSIG(status)} : Ending{WEXITSTATUS(status), 0};
}

// Switches on the faults named "KIT_...", or "KIT_...=value" where one takes a value.
void switchOn(const std::vector<std::string>& faults)
{
    for (const std::string& fault : faults) {
        const std::size_t is = fault.find('=');
        ::setenv(fault.substr(0, is).c_str(), is == std::string::npos ? "1" : fault.c_str() + is + 1, 1);
    }
}

enum class Before { Nothing, Older, LongerOlder, ReadOnlyOlder, Link, Folder, UnwritableFolder };

struct Failure {
    const char* label;
    Before before;
    std::vector<std::string> atOpen;   // faults from the start
    std::vector<std::string> atCommit; // faults once the new bytes are written
    kit::ReplacingFile::Links links;
    Ending ending;
    std::optional<std::string> under; // the bytes under the name afterwards; nothing: no file
    std::size_t leftBeside;           // names beside it that were not there before
    bool stillALink = false;          // the name is still the link it was
};

using Links = kit::ReplacingFile::Links;
constexpr Links kRefuse = Links::Refuse;
constexpr Links kReplace = Links::Replace;

const std::string kDiskFull = "KIT_DISK_FULL";
const std::string kRefuseRename = "KIT_REFUSE_RENAME";
const std::string kNamed = "KIT_NO_UNNAMED_FILES";
const std::string kTerm = "KIT_STOP_IN_WRITE=" + std::to_string(SIGTERM);
const std::string kInt = "KIT_STOP_IN_WRITE=" + std::to_string(SIGINT);
const std::string kKill = "KIT_STOP_IN_WRITE=" + std::to_string(SIGKILL);

void PrintTo(const Failure& row, std::ostream* os)
{
    *os << row.label;
}

class WritingMeets : public ::testing::TestWithParam<Failure> {};

// Writes kNewer under the name as the programs do: open, write, commit with a sync.
TEST_P(WritingMeets, LeavesUnderTheNameWhatTheContractSays)
{
    const Failure& c = GetParam();
    ScratchFolder folder;
    const fs::path name = folder / "RESULT";
    folder.write("OTHER", "another file");
    switch (c.before) {
    case Before::Nothing:
        break;
    case Before::Older:
    case Before::UnwritableFolder:
        folder.write("RESULT", kOlder);
        break;
    case Before::LongerOlder:
        folder.write("RESULT", kNewer + kNewer);
        break;
    case Before::ReadOnlyOlder:
        folder.write("RESULT", kOlder);
        fs::permissions(name, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        break;
    case Before::Link:
        fs::create_symlink("OTHER", name);
        break;
    case Before::Folder:
        folder.makeFolder("RESULT");
        break;
    }
    const bool unprivileged = c.before == Before::ReadOnlyOlder || c.before == Before::UnwritableFolder;
    if (unprivileged)
        folder.handOver();
    if (c.before == Before::UnwritableFolder)
        fs::permissions(folder.path(),
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    const std::vector<std::string> before = folder.list();

    const Ending ending = inChild(
        [&] {
            switchOn(c.atOpen);
            kit::ReplacingFile file;
            if (const int error = file.open(name.string(), c.links))
                return error;
            if (!kit::writeAll(file.descriptor(), kNewer))
                return errno;
            switchOn(c.atCommit);
            return file.commit(kit::Sync::ToDisk);
        },
        unprivileged);
    fs::permissions(folder.path(), fs::perms::owner_all, fs::perm_options::add);

    EXPECT_EQ(ending, c.ending);
    if (c.under)
        EXPECT_EQ(readFile(name), *c.under);
    else
        EXPECT_FALSE(fs::is_regular_file(fs::symlink_status(name)));
    EXPECT_EQ(fs::is_symlink(name), c.stillALink);
    EXPECT_EQ(folder.read("OTHER"), "another file");
    EXPECT_EQ(folder.list().size(), before.size() + c.leftBeside) << ::testing::PrintToString(folder.list());
}

INSTANTIATE_TEST_SUITE_P(
    Failures, WritingMeets,
    ::testing::Values(
        Failure{"NothingGoesWrong", Before::Older, {}, {}, kRefuse, {}, kNewer, 0},
        Failure{"NoFileBefore", Before::Nothing, {}, {}, kRefuse, {}, kNewer, 1},
        Failure{"NamedTemporary", Before::Older, {kNamed}, {}, kRefuse, {}, kNewer, 0},
        // A full disk, an I/O error.
        Failure{"FullDiskWhileWriting", Before::Older, {kDiskFull}, {}, kRefuse, {ENOSPC, 0}, kOlder, 0},
        Failure{"FailingSync", Before::Older, {}, {"KIT_FAIL_SYNC"}, kRefuse, {EIO, 0}, kOlder, 0},
        Failure{"FailingSyncOfANamedTemporary",
                Before::Older,
                {kNamed},
                {"KIT_FAIL_SYNC"},
                kRefuse,
                {EIO, 0},
                kOlder,
                0},
        // Catchable stops and SIGKILL.
        Failure{"StopBeforeTheName", Before::Older, {kNamed, kTerm}, {}, kRefuse, {0, SIGTERM}, kOlder, 0},
        Failure{"KillBeforeTheName", Before::Older, {kNamed, kKill}, {}, kRefuse, {0, SIGKILL}, kOlder, 1},
        // Writable, not replaceable: written in place, its room taken first.
        Failure{"InPlace", Before::Older, {}, {kRefuseRename}, kRefuse, {}, kNewer, 0},
        Failure{"InPlaceShorter", Before::LongerOlder, {}, {kRefuseRename}, kRefuse, {}, kNewer, 0},
        Failure{"InPlaceOnAFullDisk",
                Before::Older,
                {},
                {kRefuseRename, kDiskFull},
                kRefuse,
                {ENOSPC, 0},
                kOlder,
                0},
        Failure{"InPlaceShorterOnAFullDisk",
                Before::LongerOlder,
                {},
                {kRefuseRename, kDiskFull},
                kRefuse,
                {},
                kNewer,
                0},
        Failure{"InPlaceOnAFullDiskWithoutReservations",
                Before::Older,
                {},
                {kRefuseRename, kDiskFull, "KIT_NO_ALLOCATE"},
                kRefuse,
                {ENOSPC, 0},
                kOlder,
                0},
        Failure{"InPlaceWithoutReservations",
                Before::Older,
                {},
                {kRefuseRename, "KIT_NO_ALLOCATE"},
                kRefuse,
                {},
                kNewer,
                0},
        Failure{"StopInPlace", Before::Older, {}, {kRefuseRename, kTerm}, kRefuse, {0, SIGTERM}, kNewer, 0},
        Failure{"InterruptInPlaceOfANamedTemporary",
                Before::Older,
                {kNamed},
                {kRefuseRename, kInt},
                kRefuse,
                {0, SIGINT},
                kNewer,
                0},
        Failure{"FailingSyncInPlace",
                Before::Older,
                {},
                {kRefuseRename, "KIT_FAIL_SYNC"},
                kRefuse,
                {EIO, 0},
                kOlder,
                0},
        // Not writable; a link; a folder.
        Failure{"NotWritable", Before::ReadOnlyOlder, {}, {}, kRefuse, {EACCES, 0}, kOlder, 0},
        Failure{"InAFolderNotWritable", Before::UnwritableFolder, {}, {}, kRefuse, {EACCES, 0}, kOlder, 0},
        Failure{"LinkRefused", Before::Link, {}, {}, kRefuse, {ELOOP, 0}, "another file", 0, true},
        Failure{"LinkReplaced", Before::Link, {}, {}, kReplace, {}, kNewer, 0},
        Failure{"Folder", Before::Folder, {}, {}, kRefuse, {EISDIR, 0}, std::nullopt, 0}),
    [](const auto& info) { return std::string(info.param.label); });

// An in-place write goes only to the file that was looked at when the write began.
TEST(WritingMeets, AnotherFilePutUnderTheNameMeanwhileIsLeftAlone)
{
    ScratchFolder folder;
    folder.write("RESULT", kOlder);
    folder.write("ANOTHER", "put in its place by another run");
    const Ending ending = inChild(
        [&] {
            kit::ReplacingFile file;
            if (const int error = file.open((folder / "RESULT").string(), kRefuse))
                return error;
            if (!kit::writeAll(file.descriptor(), kNewer))
                return errno;
            fs::rename(folder / "ANOTHER", folder / "RESULT");
            switchOn({kRefuseRename});
            return file.commit(kit::Sync::ToDisk);
        },
        false);
    EXPECT_EQ(ending, (Ending{EPERM, 0}));
    EXPECT_EQ(folder.files(), (Files{{"RESULT", "put in its place by another run"}}));
}

struct Copy {
    const char* label;
    std::vector<std::string> faults;
    std::int64_t most;
    std::int64_t appended; // -1: failed
    std::string bytes;     // what the file copied into holds afterwards
};

void PrintTo(const Copy& row, std::ostream* os)
{
    *os << row.label;
}

class CopyMeets : public ::testing::TestWithParam<Copy> {};

TEST_P(CopyMeets, AppendsEveryByteOrSaysItFailed)
{
    const Copy& c = GetParam();
    ScratchFolder folder;
    folder.write("FROM", "0123456789");
    folder.write("TO", "head:");
    const Ending ending = inChild(
        [&] {
            const kit::FileDescriptor from(::open((folder / "FROM").c_str(), O_RDONLY | O_CLOEXEC));
            const kit::FileDescriptor to(::open((folder / "TO").c_str(), O_WRONLY | O_CLOEXEC));
            ::lseek(to.get(), 0, SEEK_END);
            ::lseek(from.get(), 2, SEEK_SET);
            switchOn(c.faults);
            const std::int64_t appended = kit::appendFile(to.get(), from.get(), c.most);
            return static_cast<int>(appended + 1);
        },
        false);
    EXPECT_EQ(ending, (Ending{static_cast<int>(c.appended + 1), 0}));
    EXPECT_EQ(folder.read("TO"), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Copies, CopyMeets,
    ::testing::Values(Copy{"InKernel", {}, INT64_MAX, 8, "head:23456789"},
                      Copy{"EndedEarlyByTheFileSystem", {"KIT_SHORT_COPY"}, INT64_MAX, 8, "head:23456789"},
                      Copy{"AtMost", {}, 3, 3, "head:234"},
                      Copy{"AtMostEndedEarly", {"KIT_SHORT_COPY"}, 3, 3, "head:234"},
                      Copy{"FullDisk", {kDiskFull}, INT64_MAX, -1, "head:"}),
    [](const auto& info) { return std::string(info.param.label); });

struct WrittenFile {
    const char* label;
    fs::perms mode;
    bool link;
    kit::Sync sync;
    std::vector<std::string> faults;
    std::optional<std::int64_t> size;
};

void PrintTo(const WrittenFile& row, std::ostream* os)
{
    *os << row.label;
}

class WrittenFileMeets : public ::testing::TestWithParam<WrittenFile> {};

// A file another program made is looked at, and put on disk, without a right to read it.
TEST_P(WrittenFileMeets, GivesItsSizeOnceOnDisk)
{
    const WrittenFile& c = GetParam();
    ScratchFolder folder;
    folder.write("MADE", "twelve bytes");
    if (c.link)
        fs::create_symlink("MADE", folder / "NAME");
    else
        fs::rename(folder / "MADE", folder / "NAME");
    folder.handOver();
    fs::permissions(folder / "NAME", c.mode);
    const Ending ending = inChild(
        [&] {
            switchOn(c.faults);
            const std::optional<std::int64_t> size = kit::writtenFileSize((folder / "NAME").string(), c.sync);
            const int synced = kit::syncFileSystemOf((folder / "NAME").string());
            return size.value_or(-1) + 1 + (synced == 0 ? 0 : 100);
        },
        true);
    // The file system's sync fails with the file's: both are the same disk.
    const bool syncFails = !c.faults.empty() || c.link;
    EXPECT_EQ(ending.value, c.size.value_or(-1) + 1 + (syncFails ? 100 : 0));
}

// The user may write the file but not read it (another user's file of mode 0622, say).
constexpr fs::perms kWriteOnly = fs::perms::owner_write;

INSTANTIATE_TEST_SUITE_P(
    Files, WrittenFileMeets,
    ::testing::Values(
        WrittenFile{"Readable", fs::perms::all, false, kit::Sync::ToDisk, {}, 12},
        WrittenFile{"WriteOnlyForTheUser", kWriteOnly, false, kit::Sync::ToDisk, {}, 12},
        WrittenFile{"FailingSync", fs::perms::all, false, kit::Sync::ToDisk, {"KIT_FAIL_SYNC"}, std::nullopt},
        WrittenFile{"ALinkToPutOnDisk", fs::perms::all, true, kit::Sync::ToDisk, {}, std::nullopt},
        WrittenFile{"ALinkOnlyLookedAt", fs::perms::all, true, kit::Sync::None, {}, 12}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace
} // namespace kit_test
