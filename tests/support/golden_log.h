#pragma once
// Whole-output checks: a scenario writes its results into the run log beside
// the statements that produced them, and the log is compared with a file
// kept under tests/data/.
#include "fake_desktop.h"
#include "temp_install.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

// Empty when `actual` equals tests/data/<relative> byte for byte. Otherwise
// the first differing line (both decoded from Shift_JIS), and `actual` is
// left in <build>/goldens/<relative>.actual for review and for
// scripts/accept-goldens.sh; a missing golden file is a difference too, never
// created. A match removes an .actual file left by an earlier run.
std::string GoldenDiff(const QString& relative, const QByteArray& actual);

// Each input in brackets, then what `result` makes of it, a line each,
// against tests/data/<relative> as GoldenDiff compares them.
std::string CasesDiff(const QString& relative, const QStringList& inputs,
                      const std::function<QString(const QString&)>& result);

// A fixture file under tests/data/, as UTF-8 text.
QString DataText(const QString& relative);

// Each text into the run log in brackets, so that trailing blanks show.
void LogResult(const QStringList& texts);
// Each box shown so far into the run log (an input box's preset in
// brackets after its title), then forgets them.
void LogDialogs(std::vector<ShownBox>& shown);
// Runs the call; a run-time error it raises is logged instead of escaping.
void LogRunTimeError(const std::function<void()>& call);
