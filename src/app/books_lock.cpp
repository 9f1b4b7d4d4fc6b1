#include "app/books_lock.h"

#include "app/context.h"
#include "app/lock_refusal.h"

#include <QDir>
#include <QFileInfo>

QString TakeBooksLock(const QString& dbPath) {
    const QString books = QFileInfo(dbPath).canonicalFilePath();
    const QString lockPath = books + QStringLiteral(".lock");
    // One lock per process: a new start in the same process lets go of the last.
    ctx().booksLock.reset();
    ctx().booksLock = std::make_unique<platform::FileLock>(lockPath);
    const platform::LockResult lock = ctx().booksLock->acquire();
    if (lock.kind == platform::LockResult::Kind::Held) return {};
    if (lock.kind != platform::LockResult::Kind::HeldElsewhere) return LockFileProblem(lock, lockPath);
    return QStringLiteral(
               "このプログラムは多重起動できません。\r\n\r\n"
               "次のDBファイルは、別の場所から起動したこのプログラムが使っています。\r\n　") +
           QDir::toNativeSeparators(books);
}
