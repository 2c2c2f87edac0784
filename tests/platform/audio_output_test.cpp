// The audio output with its sound plugin found, not found, and not a plugin, on a machine
// without a sound server: every road ends in one `unavailable` with its reason, never a crash.
#include "platform/audio_output.h"
#include "sound/chip_oscillator.h"

#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace ondulix {
namespace {

// The folders are Qt's library paths, the last place the program looks; the test program's
// own folder, the first, holds no plugin. Once found, the plugin stays loaded, so it comes last.
TEST(AudioOutput, WithoutSoundEachReasonArrivesOnceAfterStart)
{
    QTemporaryDir empty;
    QTemporaryDir impostor;
    QFile notAPlugin(impostor.filePath(QStringLiteral(SOUND_PLUGIN_FILE)));
    ASSERT_TRUE(notAPlugin.open(QIODevice::WriteOnly) && notAPlugin.write("not a library") > 0);
    notAPlugin.close();
    const std::pair<QStringList, QString> cases[] = {
        {{empty.path()}, "The sound plugin " SOUND_PLUGIN_FILE " is in none of "},
        {{empty.path(), impostor.path()}, "The sound plugin did not load: "},
        // Found past the impostor, it asks Qt Multimedia, which finds no sound server here.
        {{impostor.path(), SOUND_PLUGIN_DIR}, "Qt finds no audio output device."},
    };
    for (const auto& [folders, reason] : cases) {
        QCoreApplication::setLibraryPaths(folders);
        const auto oscillator = std::make_shared<ChipOscillator>();
        AudioOutput output(oscillator);
        QSignalSpy unavailable(&output, &AudioOutput::unavailable);
        output.start();
        EXPECT_EQ(unavailable.count(), 0) << "reported from inside start()";
        ASSERT_TRUE(unavailable.wait(5000)) << reason.toStdString();
        EXPECT_EQ(unavailable.count(), 1);
        EXPECT_TRUE(unavailable[0][0].toString().startsWith(reason))
            << unavailable[0][0].toString().toStdString();
        EXPECT_FALSE(output.isPlaying() || oscillator->isOn());
    }
}

} // namespace
} // namespace ondulix

int main(int argc, char* argv[])
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
