// Shift_JIS as Windows writes it, and the sound player. The file lock is the start-up's and the
// reliability tests', which take it in one process and in several and kill its holder.
#include "platform/cp932.h"
#include "platform/system_seams.h"
#include "temp_install.h"

#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// Microsoft's table differs from JIS X 0208 on exactly the characters Japanese
// text uses most for layout: the backslash (shown as the yen sign) and "～".
// An unmappable character, even a surrogate pair, becomes one "?".
TEST(Cp932, EncodesAsWindowsWritesAndDecodesBack) {
    const std::pair<QString, QByteArray> cases[] = {
        {"\\", "\x5C"},    {"～", "\x81\x60"}, {"－", "\x81\x7C"}, {"ｱｶﾞ", "\xB1\xB6\xDE"},
        {"①", "\x87\x40"}, {"a😀b", "a?b"},     {"𠮷", "?"},        {"한국", "??"},
        {"", ""}};
    for (const auto& [text, bytes] : cases) {
        EXPECT_EQ(platform::toCp932(text), bytes) << text.toStdString();
        EXPECT_EQ(platform::fromCp932(bytes), bytes.contains('?') ? QString::fromLatin1(bytes) : text);
    }
}

// A 1 s cue plays to its end; with nothing to play the call returns at once.
TEST(SdlSound, ReturnsAtOnceWithNothingToPlayAndWaitsForTheEndOfACue) {
    qputenv("SDL_AUDIODRIVER", "dummy");
    TempInstall install;
    // 1 s of 8-bit mono PCM silence at 44100 Hz.
    const QByteArray wav =
        QByteArray("RIFF\x68\xAC\0\0WAVEfmt \x10\0\0\0\1\0\1\0\x44\xAC\0\0\x44\xAC\0\0\1\0\x08\0data\x44\xAC\0\0", 44) +
        QByteArray(44100, '\x80');
    for (const auto& [name, bytes] : {std::pair{"text.wav", QByteArray("not a sound")},
                                      {"empty.wav", QByteArray("")},
                                      {"cut.wav", wav.left(30)},
                                      {"cue.wav", wav}})
        install.writeBytes(QString("wav/") + name, bytes);
    for (const QString name : {"missing.wav", "text.wav", "empty.wav", "cut.wav", ".", "", "cue.wav"}) {
        QElapsedTimer timer;
        timer.start();
        platform::SdlSoundPlayer().playWav(name.isEmpty() ? name : install.path("wav/" + name));
        EXPECT_TRUE(name == "cue.wav" ? timer.elapsed() >= 800 : timer.elapsed() < 250)
            << name.toStdString() << ": " << timer.elapsed() << " ms";
    }
}

}  // namespace
