#include "app/settings.h"

#include "app/context.h"
#include "app/identity.h"
#include "app/runtime_error.h"
#include "app/safe_write.h"
#include "platform/cp932.h"

#include <QDir>
#include <QFile>
#include <QList>

#include <optional>

namespace {

// The file's bytes; none when it is missing or unreadable.
QByteArray ReadFileOrNothing(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The file as raw lines, without their line ends. Bytes stay bytes so that
// lines the program does not touch are written back unchanged.
QList<QByteArray> RawLines(const QByteArray& bytes) {
    if (bytes.isEmpty()) return {};
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    for (QByteArray& line : lines)
        if (line.endsWith('\r')) line.chop(1);
    return lines;
}

// Section names and keys compare without regard to case, as Windows INI files do.
bool SameName(const QByteArray& a, const QByteArray& b) { return a.trimmed().compare(b, Qt::CaseInsensitive) == 0; }

std::optional<QByteArray> SectionName(const QByteArray& line) {
    const QByteArray t = line.trimmed();
    if (t.size() >= 2 && t.startsWith('[') && t.endsWith(']')) return t.mid(1, t.size() - 2);
    return std::nullopt;
}

// Index range [begin, end) of the section's body; begin = -1 when absent.
struct SectionRange {
    qsizetype header = -1;
    qsizetype end = -1;
};

SectionRange FindSection(const QList<QByteArray>& lines, const QByteArray& section) {
    SectionRange range;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(lines[i]);
        if (!name) continue;
        if (range.header >= 0) {
            range.end = i;
            return range;
        }
        if (SameName(*name, section)) range.header = i;
    }
    if (range.header >= 0) range.end = lines.size();
    return range;
}

qsizetype FindKey(const QList<QByteArray>& lines, const SectionRange& range, const QByteArray& key) {
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        const qsizetype eq = lines[i].indexOf('=');
        if (eq > 0 && SameName(lines[i].left(eq), key)) return i;
    }
    return -1;
}

// Cuts to at most `limit` bytes without leaving half of a double-byte character.
QByteArray CutBytes(const QByteArray& value, int limit) {
    if (value.size() <= limit) return value;
    qsizetype i = 0;
    while (i < limit) {
        const auto b = static_cast<unsigned char>(value[i]);
        const bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        const qsizetype width = lead ? 2 : 1;
        if (i + width > limit) break;
        i += width;
    }
    return value.left(i);
}

}  // namespace

QString SettingsPath() { return ExePath(kAppTitle + QStringLiteral(".ini")); }

QString ReadSetting(const QString& section, const QString& key, const QString& defaultValue) {
    return SettingIn(ReadFileOrNothing(SettingsPath()), section, key, defaultValue);
}

QString SettingIn(const QByteArray& file, const QString& section, const QString& key, const QString& defaultValue) {
    const QList<QByteArray> lines = RawLines(file);
    const SectionRange range = FindSection(lines, platform::toCp932(section));
    if (range.header < 0) return defaultValue;
    const qsizetype at = FindKey(lines, range, platform::toCp932(key));
    if (at < 0) return defaultValue;
    const QByteArray& line = lines[at];
    return platform::fromCp932(CutBytes(line.mid(line.indexOf('=') + 1).trimmed(), kSettingMaxBytes));
}

void WriteSetting(const QString& section, const QString& key, const QString& value) {
    const QString path = SettingsPath();
    // Written whole beside the old file and renamed over it: a full disk
    // must not leave a settings file without the database's name.
    if (ReplaceFileBytes(path, WithSetting(ReadFileOrNothing(path), section, key, value)))
        throw RunTimeError(QStringLiteral("設定ファイルに書き込めません: ") + QDir::toNativeSeparators(path));
}

QByteArray WithSetting(const QByteArray& file, const QString& section, const QString& key, const QString& value) {
    QList<QByteArray> lines = RawLines(file);
    const QByteArray sectionBytes = platform::toCp932(section);
    const QByteArray keyBytes = platform::toCp932(key);
    const QByteArray entry = keyBytes + '=' + platform::toCp932(value);

    const SectionRange range = FindSection(lines, sectionBytes);
    if (range.header < 0) {
        lines << '[' + sectionBytes + ']' << entry;
    } else if (const qsizetype at = FindKey(lines, range, keyBytes); at >= 0) {
        lines[at] = entry;
    } else {
        // After the section's last non-blank line, so that a blank line
        // separating it from the next section stays where it is.
        qsizetype insertAt = range.end;
        while (insertAt > range.header + 1 && lines[insertAt - 1].trimmed().isEmpty()) --insertAt;
        lines.insert(insertAt, entry);
    }

    QByteArray bytes;
    for (const QByteArray& line : lines) bytes += line + "\r\n";
    return bytes;
}
