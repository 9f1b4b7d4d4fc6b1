#include "program_start.h"

#include "child_process.h"

#include <QElapsedTimer>
#include <QFile>

ProgramStart StartProgram(const TempInstall& install, std::optional<uid_t> user) {
    const QString errors = install.path(QStringLiteral("log/errors.txt"));
    QElapsedTimer timer;
    timer.start();
    // Another user may not reach the build folder: the worker goes beside the
    // installation, which that user can read.
    QString worker = WorkerPath();
    if (user) {
        worker = install.path(QStringLiteral("bin/reliability_worker"));
        QFile::remove(worker);
        QFile::copy(WorkerPath(), worker);
    }
    ChildProcess program({QStringLiteral("start"), install.path(QString())}, errors, user, worker);
    ProgramStart start;
    start.code = program.wait();
    start.ms = timer.elapsed();
    QFile file(errors);
    if (file.open(QIODevice::ReadOnly)) start.boxes = QString::fromUtf8(file.readAll());
    if (start.boxes.endsWith(QLatin1Char('\n'))) start.boxes.chop(1);
    return start;
}
