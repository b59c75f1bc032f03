#pragma once
// One pairing run of Quorra_Belta, from the settings file to the deletion of the temporary
// pieces. Returns the exit code (1 when a result file could not be made); stops throw.
namespace belta {

int runBelta();

} // namespace belta
