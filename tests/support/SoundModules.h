#pragma once
// Points the program's sound module search at a chosen folder for a test's lifetime, with no
// recording sound device in the way, so sounds and tunes take the real program's road.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The module it may load is the one whose bytes have the SHA-256 `sha256` (hex), as the program
// may load only the module built with it; by default the tests' recording module.
// The recording module's file (support/soundmodule), and the digest the build recorded of it.
QString recordingSoundModuleFile();
QByteArray recordingSoundModuleSha256();

class SoundModuleFolder {
public:
    explicit SoundModuleFolder(const QString& folder, const QByteArray& sha256 = recordingSoundModuleSha256());
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

// A folder holding the recording module as another build made it.
QString otherBuildSoundModuleFolder();

// The folder every test starts with: no module in it, so no test ever loads the real devices.
QString testSoundModuleFolder();
