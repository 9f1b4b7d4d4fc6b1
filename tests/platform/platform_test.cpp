// Shift_JIS as Windows writes it, the sound player and the file lock.
#include "platform/cp932.h"
#include "platform/file_lock.h"
#include "platform/system_seams.h"
#include "temp_install.h"

#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

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

// One holder at a time, another process or another lock of this one; a holder killed leaves its
// file, which blocks nothing; a holder that lets go removes it, a refused one leaves the holder's.
TEST(FileLock, OneHolderAtATimeAndFreedWhenTheHolderIsKilled) {
    using Kind = platform::LockResult::Kind;
    TempInstall install;
    const QString path = install.path("bin/x.lock");
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        platform::FileLock lock(path);
        const char held = lock.acquire().kind == Kind::Held ? 'y' : 'n';
        if (::write(pipeEnds[1], &held, 1) == 1) ::pause();
        ::_exit(1);
    }
    char held = 0;
    ASSERT_EQ(::read(pipeEnds[0], &held, 1), 1);
    EXPECT_EQ(held, 'y');
    EXPECT_EQ(platform::FileLock(path).acquire().kind, Kind::HeldElsewhere);
    EXPECT_TRUE(QFile::exists(path));
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_TRUE(QFile::exists(path));
    {
        platform::FileLock after(path);
        EXPECT_EQ(after.acquire().kind, Kind::Held);
        EXPECT_EQ(platform::FileLock(path).acquire().kind, Kind::HeldElsewhere);
    }
    EXPECT_FALSE(QFile::exists(path));
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
}

}  // namespace
