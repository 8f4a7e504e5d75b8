#pragma once
// TTextLabel: the chart's published text label; all behaviour is its base's.

#include "base/TextLabel.h"

namespace qvx {

class TTextLabel : public TCustomTextLabel {
public:
    std::string ClassName() const override { return "TTextLabel"; }
    bool HasInstance(const TPersistent* object) const override
    {
        return dynamic_cast<const TTextLabel*>(object) != nullptr;
    }
};

}  // namespace qvx
