#pragma once
// Writing all of a block to a descriptor: a write may take only part of it, or be interrupted by
// a signal before it takes anything, and goes on either way.
#include <string_view>

namespace kit {

// True once every byte is written; false (errno set) when a write fails.
bool writeAll(int fd, std::string_view bytes);

} // namespace kit
