#pragma once
// Test helper: counts OnChange calls and keeps every sender.

#include <vector>

#include "platform/core/Object.h"

namespace qvx::testing {

struct ChangeLog {
    int count = 0;
    std::vector<TObject*> senders;
    TNotifyEvent Handler()
    {
        return [this](TObject* sender) {
            ++count;
            senders.push_back(sender);
        };
    }
    // True when every call named `expected` as its sender.
    bool AllFrom(const TObject* expected) const
    {
        for (TObject* s : senders)
            if (s != expected) return false;
        return true;
    }
};

}  // namespace qvx::testing
