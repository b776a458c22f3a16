// Every test program runs with a real QApplication on the offscreen platform.
#include "support/SoundModules.h"
#include "platform/Audio.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvanta's Parlour"));
    platform::setSoundModule(testSoundModuleFolder(), {});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
