#pragma once
// Shift_JIS as Windows writes it (code page 932). Every file the program writes
// and reads goes through here; a character the code page cannot hold becomes "?".
#include <QByteArray>
#include <QString>

namespace platform {

QByteArray toCp932(const QString& text);
QString fromCp932(const QByteArray& bytes);

}  // namespace platform
