#include "platform/instance_lock.h"
#include "platform/system_seams.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray LittleEndian(quint32 value, int bytes) {
    QByteArray out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

// 8-bit mono PCM silence.
QByteArray Wav(int sampleRate, int samples) {
    const QByteArray data(samples, static_cast<char>(0x80));
    return "RIFF" + LittleEndian(36 + samples, 4) + "WAVEfmt " + LittleEndian(16, 4) + LittleEndian(1, 2) +
           LittleEndian(1, 2) + LittleEndian(sampleRate, 4) + LittleEndian(sampleRate, 4) + LittleEndian(1, 2) +
           LittleEndian(8, 2) + "data" + LittleEndian(samples, 4) + data;
}

class SdlSound : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("SDL_AUDIODRIVER", "dummy");
        ASSERT_TRUE(dir.isValid());
    }
    QTemporaryDir dir;
    platform::SdlSoundPlayer player;
};

TEST_F(SdlSound, ReturnsAtOnceWhenThereIsNothingToPlay) {
    WriteFile(dir.filePath("text.wav"), "this is not a sound");
    WriteFile(dir.filePath("empty.wav"), "");
    WriteFile(dir.filePath("cut.wav"), Wav(8000, 800).left(30));
    const QString paths[] = {dir.filePath("missing.wav"), dir.filePath("text.wav"), dir.filePath("empty.wav"),
                             dir.filePath("cut.wav"), dir.path(), QString()};
    for (const QString& path : paths) {
        QElapsedTimer timer;
        timer.start();
        EXPECT_NO_THROW(player.playWav(path)) << path.toStdString();
        EXPECT_LT(timer.elapsed(), 1000) << path.toStdString();
    }
}

TEST_F(SdlSound, WaitsForTheEndOfAShortCue) {
    const QString path = dir.filePath("cue.wav");
    WriteFile(path, Wav(8000, 2400));  // 0.3 s
    QElapsedTimer timer;
    timer.start();
    player.playWav(path);
    EXPECT_GE(timer.elapsed(), 250);
    EXPECT_LT(timer.elapsed(), 10000);
}

TEST(InstanceLock, SecondLockIsRefusedUntilTheFirstIsReleased) {
    QTemporaryDir dir;
    const QString path = dir.filePath("VelmoAccount.lock");
    {
        platform::InstanceLock first(path);
        ASSERT_TRUE(first.acquire());
        platform::InstanceLock second(path);
        EXPECT_FALSE(second.acquire());
    }
    platform::InstanceLock afterRelease(path);
    EXPECT_TRUE(afterRelease.acquire());
}

TEST(InstanceLockDeathTest, AnotherProcessIsRefusedWhileTheLockIsHeld) {
    GTEST_FLAG_SET(death_test_style, "fast");
    QTemporaryDir dir;
    const QString path = dir.filePath("VelmoAccount.lock");
    platform::InstanceLock running(path);
    ASSERT_TRUE(running.acquire());
    EXPECT_EXIT(std::_Exit(platform::InstanceLock(path).acquire() ? 1 : 0), ::testing::ExitedWithCode(0), "");
}

TEST(InstanceLockDeathTest, LockOfACrashedRunIsTakenOver) {
    GTEST_FLAG_SET(death_test_style, "fast");
    QTemporaryDir dir;
    const QString path = dir.filePath("VelmoAccount.lock");
    // The child dies holding the lock, leaving the lock file behind.
    EXPECT_EXIT(std::_Exit(platform::InstanceLock(path).acquire() ? 0 : 1), ::testing::ExitedWithCode(0), "");
    ASSERT_TRUE(QFile::exists(path));
    platform::InstanceLock next(path);
    EXPECT_TRUE(next.acquire());
}

}  // namespace
