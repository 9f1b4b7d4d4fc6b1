#include "child_process.h"

#include <QFile>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <stdexcept>
#include <vector>

QString WorkerPath() { return QStringLiteral(VELMO_RELIABILITY_WORKER); }

ChildProcess::ChildProcess(const QStringList& arguments, const QString& errorFile, std::optional<uid_t> user,
                           const QString& program) {
    // Everything the child needs is made before the fork: between fork and
    // exec only system calls are safe.
    std::vector<QByteArray> texts{QFile::encodeName(program)};
    for (const QString& argument : arguments) texts.push_back(QFile::encodeName(argument));
    std::vector<char*> argv;
    for (QByteArray& text : texts) argv.push_back(text.data());
    argv.push_back(nullptr);
    const QByteArray errorPath = QFile::encodeName(errorFile);

    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
    pid_ = ::fork();
    if (pid_ < 0) throw std::runtime_error("fork");
    if (pid_ == 0) {
        const int error = ::open(errorPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        if (error < 0 || ::dup2(pipeEnds[1], STDOUT_FILENO) < 0 || ::dup2(error, STDERR_FILENO) < 0) ::_exit(126);
        if (user && (::setgid(*user) != 0 || ::setuid(*user) != 0)) ::_exit(126);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(pipeEnds[1]);
    out_ = pipeEnds[0];
}

ChildProcess::~ChildProcess() {
    if (!status_) kill();
    ::close(out_);
}

std::optional<QString> ChildProcess::readLine(int timeoutMs) {
    for (;;) {
        if (const qsizetype end = pending_.indexOf('\n'); end >= 0) {
            const QString line = QString::fromUtf8(pending_.left(end));
            pending_.remove(0, end + 1);
            return line;
        }
        pollfd poll{out_, POLLIN, 0};
        const int ready = ::poll(&poll, 1, timeoutMs);
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return std::nullopt;
        char buffer[4096];
        const ssize_t n = ::read(out_, buffer, sizeof buffer);
        if (n <= 0) return std::nullopt;
        pending_.append(buffer, n);
    }
}

void ChildProcess::kill() {
    if (status_) return;
    ::kill(pid_, SIGKILL);
    wait();
}

int ChildProcess::wait() {
    if (!status_) {
        int status = 0;
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    }
    return *status_;
}

QStringList ChildProcess::remainingLines() {
    QStringList lines;
    while (const std::optional<QString> line = readLine(0)) lines << *line;
    return lines;
}
