#include "base/DTLabel.h"

namespace qvx {

void TDTLabel::SetTimeFormat(TTimeFormat value) { StoreAndNotify(FTimeFormat, value); }
void TDTLabel::SetDateOrder(TDateOrder value) { StoreAndNotify(FDateOrder, value); }

void TDTLabel::SetDateSeparator(char value) { StoreIfChanged(FDateSeparator, value); }
void TDTLabel::SetTimeSeparator(char value) { StoreIfChanged(FTimeSeparator, value); }
void TDTLabel::SetYearLength(TYearLength value) { StoreIfChanged(FYearLength, value); }
void TDTLabel::SetMonthName(bool value) { StoreIfChanged(FMonthName, value); }
void TDTLabel::SetDateForTime(TDateForTime value) { StoreIfChanged(FDateForTime, value); }

void TDTLabel::Assign(const TPersistent* Source)
{
    if (const auto* s = dynamic_cast<const TDTLabel*>(Source)) {
        FTimeFormat = s->FTimeFormat;
        FDateSeparator = s->FDateSeparator;
        FTimeSeparator = s->FTimeSeparator;
        FYearLength = s->FYearLength;
        FMonthName = s->FMonthName;
        FDateOrder = s->FDateOrder;
        FDateForTime = s->FDateForTime;
        OnChange = s->OnChange;
        return;
    }
    TSettingsObject::Assign(Source);
}

}  // namespace qvx
