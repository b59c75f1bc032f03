#pragma once
// The framework's input/output errors: the system's error code turned into the message that
// the error box shows.
#include "vcl/Exceptions.h"

#include <string>

namespace vcl {

// "File not found", "File access denied", ... or "I/O error %d" with the code.
std::string IoErrorMessage(int errnoValue);

EInOutError IoError(int errnoValue);

} // namespace vcl
