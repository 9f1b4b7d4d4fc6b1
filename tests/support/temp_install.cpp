#include "temp_install.h"

#include "app/context.h"
#include "app/db_connection.h"
#include "app/run_log.h"
#include "platform/cp932.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

TempInstall::TempInstall() {
    if (!dir_.isValid()) throw std::runtime_error("cannot create a temporary folder");
    for (const char* folder : {"bin", "db", "db_backup", "log", "data_for_rupa_kaikei", "txt", "wav", "htm"})
        makeFolder(QString::fromLatin1(folder));
    setTime(QStringLiteral("2026-12-05T09:30:05"));
    ctx() = AppContext{};
    ctx().desktop = desktop.seams();
    SetExeFolder(path(QStringLiteral("bin")));
    ctx().runLogPath = RunLogPathAt(desktop.clock.time);
}

TempInstall::~TempInstall() {
    CloseDBConnection();
    ctx() = AppContext{};
}

QString TempInstall::root() const { return dir_.path(); }

QString TempInstall::path(const QString& relative) const { return dir_.path() + QLatin1Char('/') + relative; }

void TempInstall::makeFolder(const QString& relative) const {
    if (!QDir().mkpath(path(relative))) throw std::runtime_error("cannot create a folder");
}

void TempInstall::writeBytes(const QString& relative, const QByteArray& bytes) const {
    QFile file(path(relative));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write a test file");
}

QByteArray TempInstall::readBytes(const QString& relative) const {
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QString TempInstall::runLog() const {
    QFile file(ctx().runLogPath);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return platform::fromCp932(file.readAll());
}

void TempInstall::setTime(const QString& isoTime) {
    desktop.clock.time = QDateTime::fromString(isoTime, Qt::ISODate);
}

QByteArray Sjis(const QString& text) { return platform::toCp932(text); }
