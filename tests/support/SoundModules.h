#pragma once
// Points the program's sound module search at a chosen folder for a test's lifetime, with no
// recording sound device in the way, so sounds and tunes take the real program's road.
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class SoundModuleFolder {
public:
    explicit SoundModuleFolder(const QString& folder);
    ~SoundModuleFolder();
};

// A folder without any sound module in it.
class NoSoundModule {
public:
    NoSoundModule();

private:
    QTemporaryDir m_empty;
    SoundModuleFolder m_folder;
};

// The recording module of the tests (support/soundmodule).
class RecordingSoundModule {
public:
    RecordingSoundModule();
    // What reached the module since it was loaded: "wave <path>", "start <path>", "stop".
    QStringList calls() const;

private:
    SoundModuleFolder m_folder;
};

// A folder holding a recording module made for another version of the program's interface with it.
QString otherInterfaceSoundModuleFolder();

// The folder every test starts with: no module in it, so no test ever loads the real devices.
QString testSoundModuleFolder();
