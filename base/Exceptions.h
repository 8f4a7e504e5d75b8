#pragma once
// The pack's own errors.

#include "platform/core/Exceptions.h"

namespace qvx {

// Root of the pack's errors.
class EQVXError : public Exception {
public:
    using Exception::Exception;
};

// Raised by the chart with a fixed message text.
class EQVXKurvexError : public EQVXError {
public:
    using EQVXError::EQVXError;
};

}  // namespace qvx
