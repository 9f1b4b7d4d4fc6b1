#pragma once
// The reliability worker run as a child process: its standard output read
// line by line as it confirms its work, its standard error kept in a file,
// and the child killed, waited for or left to end.
#include <QString>
#include <QStringList>

#include <sys/types.h>
#include <optional>

// The worker program built beside the tests.
QString WorkerPath();

class ChildProcess {
public:
    // Starts the program (the worker unless told otherwise) with these
    // arguments; standard error goes to the file. With `user`, the child runs
    // as that user id (and its group).
    ChildProcess(const QStringList& arguments, const QString& errorFile, std::optional<uid_t> user = std::nullopt,
                 const QString& program = WorkerPath());
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // The next line of standard output; nothing when the child closed it or
    // the time ran out first.
    std::optional<QString> readLine(int timeoutMs);
    // SIGKILL, then waits; the lines it wrote before dying are still read.
    void kill();
    // Waits for the end; the exit code, or -signal when a signal ended it.
    int wait();
    // Every line of standard output up to its end (after kill or wait).
    QStringList remainingLines();

private:
    pid_t pid_ = -1;
    int out_ = -1;
    QByteArray pending_;
    std::optional<int> status_;
};
