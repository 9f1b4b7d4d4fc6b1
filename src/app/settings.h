#pragma once
// The settings file VelmoAccount.ini beside the executable: a plain INI file
// in Shift_JIS with CR LF line ends. Only the key being written changes;
// every other line stays as it was.
#include <QByteArray>
#include <QString>

// The longest value a read returns, in Shift_JIS bytes.
inline constexpr int kSettingMaxBytes = 99;

QString SettingsPath();

// The value of the key, or the default when the file, the section or the key
// is missing; at most 99 bytes.
QString ReadSetting(const QString& section, const QString& key, const QString& defaultValue);
// Writes the key, creating the file, the section or the key as needed.
void WriteSetting(const QString& section, const QString& key, const QString& value);

// The same two on a settings file's bytes: what a read finds in them, and
// the bytes a write leaves.
QString SettingIn(const QByteArray& file, const QString& section, const QString& key, const QString& defaultValue);
QByteArray WithSetting(const QByteArray& file, const QString& section, const QString& key, const QString& value);
