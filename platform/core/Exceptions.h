#pragma once
// Exception classes of the platform layer. Every error the platform raises
// derives from Exception, so a host can report anything that escapes an
// event handler through one catch clause.

#include <stdexcept>
#include <string>

namespace qvx {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// An Assign between classes that cannot take each other's settings.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A file could not be opened or read.
class EFOpenError : public Exception {
public:
    using Exception::Exception;
};

// A file was read but is not a picture this platform understands.
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

}  // namespace qvx

namespace qvx {

// A surface or other resource could not be had at the requested size.
class EOutOfResources : public Exception {
public:
    using Exception::Exception;
};

}  // namespace qvx
