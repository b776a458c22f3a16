#pragma once
// Recording fakes for the platform's seams. Each installs itself for its lifetime and removes itself after.
#include "platform/Browser.h"
#include "platform/MessageBox.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <vector>

// Answers message boxes from a script; a box nobody expected fails the test.
class ScriptedMessageBoxes {
public:
    ScriptedMessageBoxes();
    ~ScriptedMessageBoxes();
    // The next box is answered with `answer` (platform::vbOK, vbYes, vbNo, ...).
    ScriptedMessageBoxes& expect(int answer);
    // The next box stays open while `meanwhile` runs (the round clock running out behind it, say),
    // then is answered with `answer`.
    ScriptedMessageBoxes& expect(int answer, std::function<void()> meanwhile);
    // Every box shown so far.
    const std::vector<platform::MessageBoxCall>& shown() const { return m_shown; }
    bool allAnswered() const { return m_answers.empty(); }

private:
    struct Answer {
        int answer;
        std::function<void()> meanwhile;
    };
    std::deque<Answer> m_answers;
    std::vector<platform::MessageBoxCall> m_shown;
};

// Makes blocking waits instant and records their lengths.
class InstantWaits {
public:
    InstantWaits();
    ~InstantWaits();
    const std::vector<int>& waits() const { return m_waits; }
    void clear() { m_waits.clear(); }

private:
    std::vector<int> m_waits;
};

// A wall clock the test sets.
class FakeClock {
public:
    explicit FakeClock(const QDateTime& start);
    ~FakeClock();
    void set(const QDateTime& t) { m_now = t; }
    void advanceSeconds(int s) { m_now = m_now.addSecs(s); }
    QDateTime now() const { return m_now; }

private:
    QDateTime m_now;
};

// A browser seam that answers with a fixed result and records the addresses.
class FakeBrowser {
public:
    explicit FakeBrowser(platform::BrowserResult result);
    ~FakeBrowser();
    const std::vector<QString>& opened() const { return m_opened; }

private:
    std::vector<QString> m_opened;
};

// Points the program folder (and gAppPath) at a fresh temporary folder.
class TempProgramFolder {
public:
    TempProgramFolder();
    ~TempProgramFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

// Resets the suite-wide variables to their state at program start.
void resetSuiteGlobals();
