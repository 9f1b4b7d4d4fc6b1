// The golden comparison itself: where a differing output is left, so that it
// can be found and accepted, and that a later match takes it away.
#include "golden_log.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

TEST(GoldenDiffTest, AnOutputThatDiffersIsLeftBesideTheGoldensPlaceUntilOneMatches) {
    const QString golden = "support/golden_check.txt", missing = "support/no_such_golden.txt";
    const QString kept = VELMO_BINARY_DIR "/goldens/support/golden_check.txt.actual";
    const QString keptMissing = VELMO_BINARY_DIR "/goldens/support/no_such_golden.txt.actual";
    const QByteArray wrong = Sjis("一行目\r\n三行目\r\n");
    EXPECT_EQ(GoldenDiff(golden, wrong), "differs from " VELMO_SOURCE_DIR
                                         "/tests/data/support/golden_check.txt at line 2\n"
                                         "  expected: 二行目\n  actual:   三行目\n  whole output: " +
                                             kept.toStdString());
    EXPECT_EQ(Contents(kept), wrong);
    EXPECT_EQ(GoldenDiff(golden, Sjis("一行目\r\n二行目\r\n")), "");
    EXPECT_FALSE(QFile::exists(kept));
    EXPECT_EQ(GoldenDiff(missing, "new"), "missing golden file " VELMO_SOURCE_DIR
                                          "/tests/data/support/no_such_golden.txt\n  whole output: " +
                                              keptMissing.toStdString());
    EXPECT_EQ(Contents(keptMissing), "new");
    // Never left for scripts/accept-goldens.sh to make a golden of.
    EXPECT_TRUE(QFile::remove(keptMissing));
}

}  // namespace
