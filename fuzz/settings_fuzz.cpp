// Any settings file, and any name the menu lets the user save: the name reads
// back as saved (without its outer blanks, as an INI file keeps it), the
// database's file name stays what it was, and no read returns more than 99 bytes.
#include "app/settings.h"
#include "app/sjis_text.h"
#include "app/user_name.h"
#include "platform/cp932.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte tells how many of the following bytes are the name.
    if (size == 0) return 0;
    const auto nameBytes = std::min<std::size_t>(data[0], size - 1);
    const QString name =
        platform::fromCp932(QByteArray(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(nameBytes)));
    const QByteArray file(reinterpret_cast<const char*>(data + 1 + nameBytes),
                          static_cast<qsizetype>(size - 1 - nameBytes));
    const QString dbName = SettingIn(file, QStringLiteral("db"), QStringLiteral("filename"), QString());
    if (ByteLength(dbName) > kSettingMaxBytes) std::abort();
    if (!UserNameProblem(name).isEmpty()) return 0;
    const QByteArray written = WithSetting(file, QStringLiteral("user"), QStringLiteral("name"), name);
    if (SettingIn(written, QStringLiteral("user"), QStringLiteral("name"), QString()) !=
            platform::fromCp932(platform::toCp932(name).trimmed()) ||
        SettingIn(written, QStringLiteral("db"), QStringLiteral("filename"), QString()) != dbName)
        std::abort();
    return 0;
}
