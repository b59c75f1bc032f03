#pragma once
// One run per folder: the pairing programs keep their temporary pieces under fixed names in the
// current folder, so two runs there would join each other's pieces. A run holds an advisory lock
// on the folder itself: no file is made for it, and the system lets go of it when the process
// ends, however it ends.
namespace kit {

// Takes the lock on the current folder for the rest of the run; false when another run holds
// it. A folder that cannot be opened to be locked is not locked, and the run goes on.
bool lockCurrentFolder();

} // namespace kit
