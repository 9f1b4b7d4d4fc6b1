#pragma once
// A column layout as a failed comparison shows it.
#include "import/column_layout.h"

#include <ostream>

inline void PrintTo(const ColumnLayout& l, std::ostream* out) {
    *out << l.name.toStdString() << " header=" << l.headerLines << " date=" << l.dateColumn << " text=" << l.textColumn
         << " amount=" << l.amountColumn << " out=" << l.outColumn << " in=" << l.inColumn
         << " positiveIsOut=" << l.positiveIsOut;
}
