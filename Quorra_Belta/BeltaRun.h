#pragma once
// One run of Quorra_Belta from the settings to the deletion of the temporary files.

namespace belta {

// Works in the current folder. Returns 0 when both result files were made, 1 when one or both
// could not be made; stops (kit::Stop) after a message, or fails (kit::RuntimeFailure).
int runBelta();

} // namespace belta
