#include "fixture_books.h"

#include "golden_log.h"

void OpenFixtureBooks(TempInstall& install) {
    install.openDatabase();
    install.exec(DataText(QStringLiteral("fixture_year.sql")));
}

QByteArray RunLogWithInstallFolder(const TempInstall& install) {
    return RunLogBytes().replace(Sjis(install.path(QString())), "<install>/");
}
