#pragma once
// The framework's exceptions. A handler that lets one escape ends its action there; the
// application catches it and shows its message in the error box.
#include <stdexcept>
#include <string>

namespace vcl {

class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that is not a number ("'%s' is not a valid floating point value" ...).
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A file that cannot be opened or read; the message is the framework's I/O text.
class EInOutError : public Exception {
public:
    EInOutError(int errorCode, const std::string& message) : Exception(message), ErrorCode(errorCode) {}
    int ErrorCode;
};

} // namespace vcl
