#pragma once
// Base of pen, brush and font: a settings object that reports every accepted
// change through OnChange, so a canvas (or a control owning a font) can react.

#include "platform/core/Object.h"

namespace qvx {

class TGraphicsObject : public TPersistent {
public:
    std::string ClassName() const override { return "TGraphicsObject"; }
    TNotifyEvent OnChange;

protected:
    void Changed()
    {
        if (OnChange) OnChange(this);
    }
    // Stores a new property value and notifies, unless nothing changes.
    template <class T>
    void Store(T& field, const T& value)
    {
        if (field == value) return;
        field = value;
        Changed();
    }
};

}  // namespace qvx
