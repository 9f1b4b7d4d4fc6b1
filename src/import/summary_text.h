#pragma once
// The summary a statement line is recorded with.
#include <QString>

// The statement's text as a summary: line breaks, TABs and runs of blanks
// become one full-width blank (the books refuse half-width ones), blanks at
// the ends dropped, then cut to 30 Shift_JIS bytes at a whole character.
QString SummaryOfStatementText(const QString& text);
