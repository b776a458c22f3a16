// The built program itself, copied to a folder without the sound module.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

TEST(Program, StartsWithoutTheSoundModuleAndNeverLoadsTheSoundLibraries)
{
    const QString built = QCoreApplication::applicationDirPath() + QStringLiteral("/parlour");
    ASSERT_TRUE(QFileInfo(built).isExecutable());
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("parlour"));
    ASSERT_TRUE(QFile::copy(built, program));

    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    run.setProcessEnvironment(env);
    run.start(program, {});
    ASSERT_TRUE(run.waitForStarted());
    QThread::msleep(600); // long enough for the launcher to be up
    EXPECT_EQ(run.state(), QProcess::Running) << run.readAllStandardError().constData();
    QFile maps(QStringLiteral("/proc/%1/maps").arg(run.processId()));
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    const QByteArray loaded = maps.readAll();
    EXPECT_FALSE(loaded.contains("libSDL2"));
    EXPECT_FALSE(loaded.contains("libfluidsynth"));
    EXPECT_TRUE(loaded.contains("libQt6Widgets")) << "the map was read from the running program";
    run.kill();
    run.waitForFinished();
}
