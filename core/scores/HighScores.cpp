#include "core/scores/HighScores.h"

#include "core/window/GameForm.h"
#include "core/scores/HighScoreTable.h"
#include "core/Sound.h"
#include "core/SuiteGlobals.h"
#include "core/scores/frmHiScoreName.h"
#include "core/scores/frmHighScores.h"
#include "platform/Conversions.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"
#include "platform/Wait.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace {
HighScoreDialogs& installedDialogs()
{
    static HighScoreDialogs d;
    return d;
}

QString askPlayerName(GameForm& Form)
{
    if (installedDialogs().askPlayerName)
        return installedDialogs().askPlayerName(Form);
    frmHiScoreName prompt(Form.Form());
    prompt.exec();
    return gPlayerName;
}

void showTable(const QString& FileBase, GameForm& Form)
{
    if (installedDialogs().showTable)
        installedDialogs().showTable(FileBase, Form);
    else {
        frmHighScores::showModal(&Form);
        // What the table covered is drawn again now: the game's closing waits hold the event loop.
        if (QWidget* window = Form.Form())
            window->repaint();
    }
}

// The table as it is now, and where gScore would enter it.
std::pair<HighScoreTable, HighScoreTable::Placement> readPlacement(const QString& path)
{
    std::optional<HighScoreTable> read = ReadHighScoreTableFile(path);
    if (!read)
        throw HighScoreTableError("cannot read the high-score table " + path.toStdString());
    HighScoreTable table = std::move(*read);
    const HighScoreTable::Placement placement = table.placeFor(gScore);
    if (!placement.readable)
        throw HighScoreTableError("a score in the high-score table " + path.toStdString() + " is not a number");
    return {std::move(table), placement};
}

// A table left empty by an earlier fault has no place for anyone, so it counts as missing.
bool tableMissingOrEmpty(const QString& path)
{
    if (!QFileInfo::exists(path))
        return true;
    const std::optional<HighScoreTable> table = ReadHighScoreTableFile(path);
    return table && table->lines().empty();
}

enum class TableLock { Taken, HeldByAnother, CannotBeMade };

// QLockFile reads a lock it finds for its owner, and deletes one it takes for stale under a second lock
// beside it: a pipe at either name would hold the window for good, a device would be deleted. Each name
// is looked at just before each try, on this thread; what is put there between the look and the try
// is not seen.
bool lockNamesAreSafe(const QString& lockName)
{
    return platform::holdsRegularFileOrNothing(lockName) &&
           platform::holdsRegularFileOrNothing(lockName + QStringLiteral(".rmlock"));
}

// Takes the table's lock, waiting while another copy of the suite holds it; the window goes on
// painting meanwhile.
TableLock lockTable(QLockFile& lock, const QString& lockName)
{
    constexpr int PatienceMs = 10000;
    constexpr int RetryMs = 100;
    for (int waited = 0;; waited += RetryMs) {
        if (!lockNamesAreSafe(lockName))
            return TableLock::CannotBeMade;
        if (lock.tryLock(0))
            return TableLock::Taken;
        if (lock.error() != QLockFile::LockFailedError)
            return TableLock::CannotBeMade;
        if (waited >= PatienceMs)
            return TableLock::HeldByAnother;
        platform::Sleep(RetryMs);
    }
}

QString shownScore(const QString& field)
{
    const std::optional<std::int64_t> value = highScoreValue(field);
    return value ? platform::formatGrouped(*value) : field;
}
} // namespace

void setHighScoreDialogs(HighScoreDialogs dialogs) { installedDialogs() = std::move(dialogs); }

QString HighScoreTablePath(const QString& FileBase, const QString& FormName)
{
    QString name = FileBase + QString::number(gTimeLimit);
    if (FormName == QStringLiteral("frmTallies"))
        name += QLatin1Char('_') + QString::number(gCardGoal);
    return appFile(name + QStringLiteral(".Txt"));
}

std::optional<HighScoreTable> ReadHighScoreTableFile(const QString& Path)
{
    QByteArray contents;
    if (!platform::readWholeFile(Path, &contents))
        return std::nullopt;
    return HighScoreTable::parse(contents);
}

bool WriteDefaultHighScoreTable(const QString& Path, const QString& DefaultScore)
{
    return platform::writeFileAtomically(Path, HighScoreTable::defaults(DefaultScore).text());
}

bool ClearHighScoreTable(const QString& Path, const QString& DefaultScore)
{
    if (WriteDefaultHighScoreTable(Path, DefaultScore))
        return true;
    platform::MsgBox(QStringLiteral("Unable to clear the High Scores: ") + QDir::toNativeSeparators(Path) +
                         QStringLiteral(" could not be written. The table has been left as it was."),
                     platform::vbExclamation, gGameTitle);
    return false;
}

void WriteDefaultHighScores(const QString& FileBase, GameForm& Form, const QString& DefaultScore)
{
    WriteDefaultHighScoreTable(HighScoreTablePath(FileBase, Form.Name()), DefaultScore);
}

void ShowTopHighScore(const QString& FileBase, GameForm& Form, const QString& DefaultScore)
{
    const QString path = HighScoreTablePath(FileBase, Form.Name());
    // Only a missing table, or one left empty by an earlier fault, is replaced: one that exists but
    // cannot be read is kept for the player.
    if (tableMissingOrEmpty(path))
        WriteDefaultHighScoreTable(path, DefaultScore);

    if (!Form.lblHighScore)
        return;
    const std::optional<HighScoreTable> table = ReadHighScoreTableFile(path);
    const QString prefix = Form.Name() == QStringLiteral("frmSpires") ? QStringLiteral("Current High Score: ")
                                                                      : QStringLiteral("High Score: ");
    // With no table read, no score is shown: the one shown before belongs to another time limit or goal.
    const bool read = table && !table->lines().empty();
    Form.lblHighScore->setCaption(prefix + (read ? shownScore(table->lines().front().score) : QString()));
}

void CheckHighScore(const QString& FileBase, GameForm& Form, const QString& DefaultScore)
{
    const QString path = HighScoreTablePath(FileBase, Form.Name());
    // The score of the game just played must not be lost for want of a table.
    if (!DefaultScore.isEmpty() && tableMissingOrEmpty(path))
        WriteDefaultHighScoreTable(path, DefaultScore);
    if (!readPlacement(path).second.place)
        return;

    if (gSoundsOn)
        PlayWaveFile(appFile(QStringLiteral("HighScore.wav")));
    QString name = askPlayerName(Form);
    if (name.isEmpty())
        name = QStringLiteral("Unknown User");
    gPlayerName = name;
    if (gCustomScoring)
        name += QLatin1Char('*');

    {
        // Another copy of the suite may have written the table while the name was typed: the score
        // goes into the table as it is now, with no other writer between reading and writing.
        const QString lockName = path + QStringLiteral(".lock");
        QLockFile lock(lockName);
        const TableLock taken = lockTable(lock, lockName);
        if (taken == TableLock::CannotBeMade)
            throw HighScoreTableError("cannot lock the high-score table " + path.toStdString());
        if (taken == TableLock::HeldByAnother) {
            platform::MsgBox(QStringLiteral("Another copy of the game is using the High Score Table. "
                                            "Your score could not be recorded."),
                             platform::vbExclamation, gGameTitle);
            return;
        }
        const auto [table, placement] = readPlacement(path);
        if (placement.place &&
            !platform::writeFileAtomically(path, table.withEntry(*placement.place, name, gScore).text()))
            throw HighScoreTableError("cannot write the high-score table " + path.toStdString());
    }
    showTable(FileBase, Form);
}
