#include "platform/system_seams.h"
#include "platform/instance_lock.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

TEST(SdlSound, ReturnsAtOnceWithNothingToPlayAndWaitsForTheEndOfACue) {
    qputenv("SDL_AUDIODRIVER", "dummy");
    QTemporaryDir dir;
    // 1 s of 8-bit mono PCM silence at 44100 Hz.
    const QByteArray wav =
        QByteArray("RIFF\x68\xAC\0\0WAVEfmt \x10\0\0\0\1\0\1\0\x44\xAC\0\0\x44\xAC\0\0\1\0\x08\0data\x44\xAC\0\0", 44) +
        QByteArray(44100, '\x80');
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    };
    for (const QString& path : {dir.filePath("missing.wav"), write("text.wav", "not a sound"), write("empty.wav", ""),
                                write("cut.wav", wav.left(30)), dir.path(), QString(), write("cue.wav", wav)}) {
        QElapsedTimer timer;
        timer.start();
        platform::SdlSoundPlayer().playWav(path);
        // A 1 s cue plays to its end; with nothing to play the call returns at once.
        EXPECT_TRUE(path.endsWith(QStringLiteral("cue.wav")) ? timer.elapsed() >= 800 : timer.elapsed() < 250)
            << path.toStdString() << ": " << timer.elapsed() << " ms";
    }
}

TEST(InstanceLockDeathTest, RefusesASecondHolderAndIsFreedOnReleaseOrCrash) {
    GTEST_FLAG_SET(death_test_style, "fast");
    QTemporaryDir dir;
    const QString path = dir.filePath("VelmoAccount.lock");
    {
        platform::InstanceLock first(path);
        ASSERT_TRUE(first.acquire());
        EXPECT_FALSE(platform::InstanceLock(path).acquire());
        EXPECT_EXIT(std::_Exit(platform::InstanceLock(path).acquire() ? 1 : 0), ::testing::ExitedWithCode(0), "");
    }
    EXPECT_TRUE(platform::InstanceLock(path).acquire());
    // A child that dies holding the lock leaves the file behind; the next run takes it over.
    const QString crashed = dir.filePath("crashed.lock");
    EXPECT_EXIT(std::_Exit(platform::InstanceLock(crashed).acquire() ? 0 : 1), ::testing::ExitedWithCode(0), "");
    ASSERT_TRUE(QFile::exists(crashed));
    EXPECT_TRUE(platform::InstanceLock(crashed).acquire());
}

}  // namespace
