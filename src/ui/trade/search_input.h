#pragma once
// The search frame's boxes as typed, checked and turned into conditions:
// full-width digits and separators accepted, everything else that cannot name
// a date, an amount or a storable text refused with the box to fix.
#include "store/search_store.h"

#include <QString>

#include <variant>

struct SearchInput {
    int fiscalYear = 0;
    bool allYears = false;
    QString dateFrom{}, dateTo{}, amountFrom{}, amountTo{}, text{};
    bool storedAmount = false;
    QString tradeCd{}, accountCd{};
    bool withVoided = false;
};

enum class SearchField { DateFrom, DateTo, AmountFrom, AmountTo, Text };

struct SearchProblem {
    QString message;
    SearchField field;
};

std::variant<SearchConditions, SearchProblem> CheckedSearch(const SearchInput& input);
