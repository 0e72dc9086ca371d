// Sound feedback: silence while sound is off, file lookup, failures answered with the beep.
#include "stimulus/FeedbackSound.h"
#include "state/SharedState.h"
#include "support/FakeSoundPlayer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace trelon::test {
namespace {

class FeedbackSoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        state.paths.ProgramDir = folder.path() + QLatin1Char('/');
        for (const char* name : {"1Sec.wav", "Rez.wav"}) {
            QFile file(folder.filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("RIFF");
        }
    }

    QString pathOf(const char* name) { return folder.filePath(QString::fromLatin1(name)); }

    QTemporaryDir folder;
    SharedState state;
    FakeSoundPlayer player;
};

TEST_F(FeedbackSoundTest, SoundOffReachesNothingEvenForMissingFiles) {
    state.SoundOn = false;
    for (const char* name : {"Rez.wav", "Verno.wav", ""}) {
        PlayFeedbackSound(state, player, QString::fromLatin1(name));
    }
    EXPECT_TRUE(player.calls.isEmpty());
}

TEST_F(FeedbackSoundTest, NamesAreFoundWhateverTheirLetterCase) {
    PlayFeedbackSound(state, player, QStringLiteral("1sec.wav"));
    PlayFeedbackSound(state, player, QStringLiteral("REZ.WAV"));
    EXPECT_EQ(player.played, QStringList({pathOf("1Sec.wav"), pathOf("Rez.wav")}));
    EXPECT_EQ(player.beeps, 0);
}

TEST_F(FeedbackSoundTest, MissingFileStopsThePreviousSoundAndBeeps) {
    PlayFeedbackSound(state, player, QStringLiteral("Verno.wav"));
    EXPECT_EQ(player.calls, QStringList({QStringLiteral("stop"), QStringLiteral("beep")}));
    EXPECT_TRUE(player.played.isEmpty());
}

TEST_F(FeedbackSoundTest, AFolderNamedLikeTheSoundIsNoSound) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("5Sec.wav")));
    PlayFeedbackSound(state, player, QStringLiteral("5Sec.wav"));
    EXPECT_EQ(player.beeps, 1);
    EXPECT_TRUE(player.played.isEmpty());
}

TEST_F(FeedbackSoundTest, PlayerThatCannotStartBeeps) {
    player.failPlay = true;
    PlayFeedbackSound(state, player, QStringLiteral("Rez.wav"));
    EXPECT_EQ(player.calls,
              QStringList({QStringLiteral("play ") + pathOf("Rez.wav"), QStringLiteral("beep")}));
}

TEST(SoundDeviceTest, KnownTypesAreAppliedOthersLeaveTheDefault) {
    FakeSoundPlayer player;
    for (int type : {1, 2, 3}) {
        ApplySoundDevice(player, type);
    }
    for (int type : {0, 4, 100, -2}) {
        ApplySoundDevice(player, type);
    }
    EXPECT_EQ(player.calls, QStringList({QStringLiteral("device 1"), QStringLiteral("device 2"),
                                         QStringLiteral("device 3")}));
}

TEST(SoundDeviceTest, RefusedTypeBeeps) {
    FakeSoundPlayer player;
    player.refuseDevice = true;
    ApplySoundDevice(player, 1);
    EXPECT_EQ(player.beeps, 1);
}

} // namespace
} // namespace trelon::test
