#pragma once
// Base of the pack's small settings objects: change notification through
// OnChange, and the copy protocol in which a source copies itself into a
// destination of its own class.

#include "platform/core/Object.h"

namespace qvx {

class TSettingsObject : public TPersistent {
public:
    std::string ClassName() const override { return "TSettingsObject"; }
    TNotifyEvent OnChange;

    // True when `object` is an instance of this object's class (or of a
    // descendant of it).
    virtual bool HasInstance(const TPersistent* object) const = 0;

protected:
    void Changed()
    {
        if (OnChange) OnChange(this);
    }
    template <class T>
    void StoreAndNotify(T& field, const T& value)
    {
        field = value;
        Changed();
    }
    template <class T>
    void StoreIfChanged(T& field, const T& value)
    {
        if (field == value) return;
        StoreAndNotify(field, value);
    }
    // Copies into Dest when this object is an instance of Dest's class;
    // otherwise the copy fails with EConvertError.
    void AssignTo(TPersistent* Dest) const override
    {
        if (const auto* d = dynamic_cast<const TSettingsObject*>(Dest); d != nullptr && d->HasInstance(this)) {
            Dest->Assign(this);
            return;
        }
        TPersistent::AssignTo(Dest);
    }
};

}  // namespace qvx
