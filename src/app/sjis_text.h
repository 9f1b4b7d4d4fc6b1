#pragma once
// Fixed-width text counted in Shift_JIS bytes, as every report and export
// lays out its columns: ASCII and half-width katakana take one byte, other
// characters two, and a character Shift_JIS cannot hold one (it is written "?").
#include <QByteArray>
#include <QString>

int ByteLength(const QString& text);

// The text in Shift_JIS appended to the bytes, byte for byte what the
// converter gives (platform::toCp932), from a table asked of it once.
void AppendShiftJis(QByteArray& bytes, QStringView text);

// The same layouts appended to a line being built, so that a report line is
// made in one string rather than from a dozen temporary ones.
void AppendBlanks(QString& line, qsizetype count);
void AppendByteWidth(QString& line, const QString& text, int width, bool rightAlign);
void AppendRightAlign(QString& line, qint64 n, int width);
void AppendRightAlignYen(QString& line, qint64 n, int width);

// Exactly `width` bytes: the text is cut from the end, never inside a
// double-byte character, then filled with blanks at the end (left-aligned)
// or at the front (right-aligned).
QString PadByteWidth(const QString& text, int width, bool rightAlign);

// n right-aligned in w characters; a longer number loses its leading characters.
QString RightAlign(qint64 n, int width);
// "\" and n right-aligned in w characters; Japanese fonts show 0x5C as the yen sign.
QString RightAlignYen(qint64 n, int width);

// The characters of the text that Shift_JIS cannot hold as they are (each
// once, in order of appearance); empty when the text survives the round trip.
QString CharactersOutsideShiftJis(const QString& text);

// The characters as a message names them: each as itself, save those that
// show as nothing or as a mere blank (U+200B, U+202E, U+00A0 ...), which are
// named by code point ("U+200B") and set apart from their neighbours by a blank.
QString ShownCharacters(const QString& characters);
