#pragma once
// The sweep runs the program that lies in the same folder as the sweep's own binary, so that
// the pair can be copied together to a folder an unprivileged user may enter (scripts/test
// does that when the tests run as root).
#include <string>
#include <string_view>

namespace robust {

// The path of program `name` in the folder of the running test binary.
std::string programBesideThisTest(std::string_view name);

} // namespace robust
