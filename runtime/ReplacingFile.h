#pragma once
// A file written anew that takes the place of the one under its name only once it is complete:
// until then the older file stands as it was, and a run that fails or is killed half way leaves
// it so, with no half-written file beside it. The new bytes go into a file that has no name yet
// (or, where the file system cannot make one, a temporary of the kit's own naming, see
// TemporaryNames.h); committing gives it the name.
//
// What stands under the name is looked at first, without following it: a folder is refused, so
// is a file the user may not write (as the user could not overwrite it by hand), and a symbolic
// link is refused or replaced (never written through) as the caller says. Where the user may
// write the file but not replace it (a sticky folder, the file another user's), it is written in
// place instead, as the user could by hand.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "FileDescriptor.h"
#include "FileIdentity.h"
#include "TemporaryNames.h"

namespace kit {

// What must be on disk when a commit returns: nothing beyond the system's cache; nothing yet,
// but the writing of the file's bytes to disk is begun, for a caller that writes many files and
// then waits for them all with one sync of their file system; or the file's bytes (before it
// takes the name) and then its name in the folder.
enum class Sync { None, Begun, ToDisk };

class ReplacingFile {
public:
    enum class Links { Refuse, Replace };

    ReplacingFile() = default;
    ~ReplacingFile() { discard(); }
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Opens the new file for `name` (in the program's own form, see HostPath.h): 0, or the errno
    // value of why not, ELOOP for a refused link, EISDIR for a folder and EINVAL for a name with a
    // NUL.
    int open(std::string_view name, Links links);
    bool isOpen() const { return file_.isOpen(); }
    int descriptor() const { return file_.get(); }
    // The file that stood under the name when it was opened, when one did.
    const std::optional<FileIdentity>& replacing() const { return old_; }

    // Puts the new file in place: 0, or the errno value of the failure, after which the older
    // file stands (unless only the folder's sync failed). The new file is closed either way.
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

} // namespace kit
