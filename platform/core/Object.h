#pragma once
// Root of the platform's object model: run-time class names, the settings
// copy protocol (Assign/AssignTo) and the plain notification event.

#include <functional>
#include <string>

namespace qvx {

class TObject {
public:
    virtual ~TObject() = default;
    // Name of the most derived class, as the pack's messages quote it.
    virtual std::string ClassName() const { return "TObject"; }
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// Objects whose settings can be copied into another object. Assign asks the
// source to copy itself (AssignTo); when neither side knows the other the
// copy fails with EConvertError and the destination stays unchanged.
class TPersistent : public TObject {
public:
    std::string ClassName() const override { return "TPersistent"; }
    virtual void Assign(const TPersistent* Source);

protected:
    virtual void AssignTo(TPersistent* Dest) const;
    [[noreturn]] void AssignError(const TPersistent* Source) const;
};

}  // namespace qvx
