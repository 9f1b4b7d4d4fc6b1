#pragma once
// A fresh installation tree in a temporary folder, with the process-wide
// state pointing at it and the desktop replaced by doubles. Each test that
// touches files builds its own.
#include "fake_desktop.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class TempInstall {
public:
    // The clock starts at 2026-12-05 09:30:05 (a Saturday).
    TempInstall();
    ~TempInstall();
    TempInstall(const TempInstall&) = delete;
    TempInstall& operator=(const TempInstall&) = delete;

    FakeDesktop desktop;

    QString root() const;
    // root/relative, with "/" separators.
    QString path(const QString& relative) const;
    void makeFolder(const QString& relative) const;
    void writeBytes(const QString& relative, const QByteArray& bytes) const;
    QByteArray readBytes(const QString& relative) const;

    // The run log, decoded from Shift_JIS.
    QString runLog() const;
    void setTime(const QString& isoTime);

private:
    QTemporaryDir dir_;
};

// Shift_JIS bytes of a text, for comparing written files.
QByteArray Sjis(const QString& text);
