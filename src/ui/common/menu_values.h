#pragma once
// The run-wide values the menu holds and the working screens read whenever
// they need them: as typed in the menu at that moment, saved or not.
#include <QString>

class MenuValues {
public:
    virtual ~MenuValues() = default;
    virtual QString fiscalYearText() const = 0;
    virtual QString eraText() const = 0;
    virtual QString userName() const = 0;
    virtual QString dbFileName() const = 0;
};
