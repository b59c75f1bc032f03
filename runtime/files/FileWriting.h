#pragma once
// Writing the kit's files: results, pages and the built-in COPY's joins. Names come in the
// program's own form ("\" separators, see HostPath.h) and are turned into the host's form once,
// here. Every function gives 0 or the errno value of its failure unless it says otherwise.
//
// A file is written anew beside its name and takes the name only once it is complete (see
// ReplacingFile). What stands under the name afterwards, by what the write meets:
//
//   full disk            the older file, untouched; the new bytes are dropped. Where the file is
//                        written in place (below), its new length is reserved before any older
//                        byte is overwritten, so a disk that cannot take it fails the write first.
//   I/O error            the older file, untouched, when a write or a sync of the new file fails;
//                        when only the sync of the folder fails after the new file took the name,
//                        the new file, with the failure reported. An in-place overwrite that
//                        meets an I/O error half way leaves the file partly new, reported.
//   catchable stop       (SIGINT, SIGTERM, SIGHUP) the older file; the new one, beside it under a
//                        temporary name, is removed as the run ends. An in-place overwrite holds
//                        the stop back until it is complete: the new file stands.
//   SIGKILL, power loss  the older file or the complete new one, never a mix. A temporary left
//                        beside it is removed by a later run of the same user, on this host and
//                        in the same PID namespace, that writes the same name. An in-place overwrite cut
//                        short this way leaves a mix, as any program's (cp's) would: nothing can guard it.
//   writable, not        (a sticky folder, another user's file of mode 0666) written in place:
//   replaceable          the same file, new bytes, as the user could do by hand.
//   not writable         (the file's mode, or a folder the user may not write, where no new file
//                        can be made beside it) refused, EACCES: the older file.
//   a link               refused (ELOOP) or replaced by the new file, as the caller says; never
//                        written through.
//   a folder             refused, EISDIR.
//   another run's file   a temporary of another run, on this host or another, is never touched;
//                        an in-place write goes only to the file that was looked at when the
//                        write began (EPERM when another has been put in its place since).
#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FileDescriptor.h"

namespace kit {

// What must be on disk when a write is committed: nothing beyond the system's cache; nothing yet,
// but the writing of the file's bytes to disk is begun, for a caller that writes many files and
// then waits for them all with one sync of their file system; or the file's bytes (before it
// takes the name) and then its name in the folder.
enum class Sync { None, Begun, ToDisk };

// Files told apart by what they are on disk (device and inode), not by their names: a link, a
// second hard link or another spelling of a folder lets two names lead to one file.
struct FileIdentity {
    dev_t device;
    ino_t inode;
    bool operator==(const FileIdentity&) const = default;
};

// What `name` leads to, links followed; nothing when no file stands there.
std::optional<FileIdentity> fileIdentity(std::string_view name);
std::optional<FileIdentity> fileIdentity(int fd);

// The files a run reads, for telling whether a file it is about to write is one of them.
class InputFiles {
public:
    void add(std::optional<FileIdentity> file);
    // The first of `outputs` that leads to one of the inputs.
    std::optional<std::string> firstWrittenInput(const std::vector<std::string>& outputs) const;
    bool contains(std::string_view name) const;
    bool contains(const FileIdentity& file) const;

private:
    std::vector<FileIdentity> files_;
};

// A name to be removed if a signal ends the run, from keep() until release() or destruction. Any
// number of names may be kept at once.
class RemovedOnSignal {
public:
    struct Node; // what the signal handler reads, in TemporaryNames.cpp

    RemovedOnSignal() = default;
    ~RemovedOnSignal() { release(); }
    RemovedOnSignal(const RemovedOnSignal&) = delete;
    RemovedOnSignal& operator=(const RemovedOnSignal&) = delete;
    void keep(const std::string& name);
    void release();

private:
    Node* node_ = nullptr;
};

// A file written anew that takes the place of the one under its name only once it is complete.
// The new bytes go into a file that has no name yet (or, where the file system cannot make one,
// a temporary of the kit's own naming beside the name); committing gives it the name.
class ReplacingFile {
public:
    enum class Links { Refuse, Replace };

    ReplacingFile() = default;
    ~ReplacingFile() { discard(); }
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Opens the new file for `name`; EINVAL for a name with a NUL.
    int open(std::string_view name, Links links);
    bool isOpen() const { return file_.isOpen(); }
    int descriptor() const { return file_.get(); }
    // The file that stood under the name when it was opened, when one did.
    const std::optional<FileIdentity>& replacing() const { return old_; }

    // Puts the new file in place. The new file is closed either way.
    int commit(Sync sync);
    // Drops the new file; the older one stays.
    void discard();

private:
    int takeTemporaryName(const std::function<int(const char*)>& make);
    int writeInPlace(Sync sync);

    std::string path_;
    std::string temporary_;   // the name the new file has beside path_, when it has one
    RemovedOnSignal removal_; // of temporary_
    FileDescriptor file_;     // the new file
    std::optional<FileIdentity> old_;
};

// Writes every byte of `bytes`, through short writes and interruptions; false (errno set) when a
// write fails.
bool writeAll(int fd, std::string_view bytes);

// Appends what `from` holds from its current offset to its very end (or its first `most` bytes)
// to `to`: the number of bytes appended, or -1 (errno set) when a read or write fails.
std::int64_t appendFile(int to, int from, std::int64_t most = INT64_MAX);

// The size of the regular file `name` (nothing where none stands there, or a folder does). With
// Sync::ToDisk, for a file another program made, its bytes and its name are first put on disk,
// and a link is not followed; nothing when that fails.
std::optional<std::int64_t> writtenFileSize(std::string_view name, Sync sync);

// Everything written to the file system that holds the file `name`: for many files written one
// after the other, one sync instead of one for each.
int syncFileSystemOf(std::string_view name);

// Removes the file `name` (a link itself, not what it leads to).
int removeFile(std::string_view name);

} // namespace kit
