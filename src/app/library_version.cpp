#include "app/library_version.h"

#include <QVersionNumber>

bool VersionAcceptable(const QString& runtimeVersion, const QString& compiledVersion) {
    const QVersionNumber runtime = QVersionNumber::fromString(runtimeVersion);
    const QVersionNumber compiled = QVersionNumber::fromString(compiledVersion);
    if (runtime.isNull() || compiled.isNull()) return false;
    return runtime.majorVersion() == compiled.majorVersion() && runtime >= compiled;
}

QString RuntimeLibraryProblem(const QList<RuntimeLibrary>& libraries) {
    for (const RuntimeLibrary& library : libraries) {
        if (VersionAcceptable(library.runtimeVersion, library.compiledVersion)) continue;
        return QStringLiteral("ライブラリ ") + library.name + QStringLiteral(" のバージョンが合いません。\r\n\r\n") +
               QStringLiteral("　必要なバージョン：") + library.compiledVersion + QStringLiteral(" 以上（") +
               library.compiledVersion.section(QLatin1Char('.'), 0, 0) + QStringLiteral(".x）\r\n") +
               QStringLiteral("　見つかったバージョン：") + library.runtimeVersion + QStringLiteral("\r\n\r\n") +
               QStringLiteral("プログラムを再インストールしてください。");
    }
    return {};
}
