#pragma once
// Points the program's sound module search at a chosen folder for a test's lifetime, with no
// recording sound device in the way, so sounds and tunes take the real program's road.
#include "platform/LibraryFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The recording module's file (support/soundmodule), and the fingerprint the build recorded of it.
QString recordingSoundModuleFile();
platform::LibraryFingerprint recordingSoundModuleFingerprint();

// The module it may load is the one `built` describes, as the program may load only the module built
// with it; by default the tests' recording module.
class SoundModuleFolder {
public:
    explicit SoundModuleFolder(const QString& folder,
                               const platform::LibraryFingerprint& built = recordingSoundModuleFingerprint());
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

// What reached the recording module the program loaded last since it was loaded: "wave <path>",
// "start <path>", "stop"; nothing when no module is loaded.
QStringList recordedSoundCalls();

// The recording module of the tests (support/soundmodule).
class RecordingSoundModule {
public:
    RecordingSoundModule();
    QStringList calls() const { return recordedSoundCalls(); }

private:
    SoundModuleFolder m_folder;
};

// A folder holding the recording module as another build made it.
QString otherBuildSoundModuleFolder();

// The folder every test starts with: no module in it, so no test ever loads the real devices.
QString testSoundModuleFolder();
