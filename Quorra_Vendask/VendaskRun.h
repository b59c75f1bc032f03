#pragma once
// One run of Quorra_Vendask from the settings to the deletion of the temporary files.

namespace vendask {

// Works in the current folder. Returns 0 when the four result files were made, 1 when one or more
// could not be made; stops (kit::Stop) after a message, or fails (kit::RuntimeFailure).
int runVendask();

} // namespace vendask
