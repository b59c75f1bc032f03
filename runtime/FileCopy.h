#pragma once
// Copying the bytes of one open file onto the end of another.
namespace kit {

// Appends what `from` holds from its current offset to its end to `to`; false (errno set) when a
// read or write fails.
bool appendFile(int to, int from);

} // namespace kit
