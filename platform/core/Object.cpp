#include "platform/core/Object.h"

#include "platform/core/Exceptions.h"

namespace qvx {

void TPersistent::Assign(const TPersistent* Source)
{
    if (Source != nullptr) {
        Source->AssignTo(this);
        return;
    }
    AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* Dest) const
{
    Dest->AssignError(this);
}

void TPersistent::AssignError(const TPersistent* Source) const
{
    const std::string sourceName = Source != nullptr ? Source->ClassName() : std::string("nil");
    throw EConvertError("Cannot assign a " + sourceName + " to a " + ClassName());
}

}  // namespace qvx
