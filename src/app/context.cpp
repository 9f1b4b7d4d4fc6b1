#include "app/context.h"

#include "app/paths.h"

#include <QDir>

#include <cstdlib>

AppContext& ctx() {
    static AppContext instance;
    return instance;
}

void SetExeFolder(const QString& exeFolder) {
    ctx().exeFolder = exeFolder;
    ctx().appFolder = FolderOf(exeFolder);
}

QString AppPath(const QString& relative) { return ctx().appFolder + QDir::separator() + relative; }

QString ExePath(const QString& relative) { return ctx().exeFolder + QDir::separator() + relative; }

void EndProcess(int code) {
    ctx().desktop.processEnd->endProcess(code);
    // The seam is declared never to return; the compiler cannot see through a virtual call.
    std::abort();
}
