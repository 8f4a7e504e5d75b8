#pragma once
// TDTLabel: the format of date/time tick labels. Fields start at their zero
// values; owners apply their defaults through the setters.

#include "base/Enums.h"
#include "base/SettingsObject.h"

namespace qvx {

class TDTLabel : public TSettingsObject {
public:
    std::string ClassName() const override { return "TDTLabel"; }
    bool HasInstance(const TPersistent* object) const override
    {
        return dynamic_cast<const TDTLabel*>(object) != nullptr;
    }

    TTimeFormat TimeFormat() const { return FTimeFormat; }
    void SetTimeFormat(TTimeFormat value);  // always notifies
    char DateSeparator() const { return FDateSeparator; }
    void SetDateSeparator(char value);
    char TimeSeparator() const { return FTimeSeparator; }
    void SetTimeSeparator(char value);
    TYearLength YearLength() const { return FYearLength; }
    void SetYearLength(TYearLength value);
    bool MonthName() const { return FMonthName; }
    void SetMonthName(bool value);
    TDateOrder DateOrder() const { return FDateOrder; }
    void SetDateOrder(TDateOrder value);  // always notifies
    TDateForTime DateForTime() const { return FDateForTime; }
    void SetDateForTime(TDateForTime value);

    // Copies every field, the OnChange handler included, without notifying.
    void Assign(const TPersistent* Source) override;

private:
    TTimeFormat FTimeFormat{};
    char FDateSeparator = 0;
    char FTimeSeparator = 0;
    TYearLength FYearLength{};
    bool FMonthName = false;
    TDateOrder FDateOrder{};
    TDateForTime FDateForTime{};
};

}  // namespace qvx
