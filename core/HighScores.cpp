#include "core/HighScores.h"

#include "core/GameForm.h"
#include "core/HighScoreTable.h"
#include "core/Sound.h"
#include "core/SuiteGlobals.h"
#include "core/frmHiScoreName.h"
#include "core/frmHighScores.h"
#include "platform/Conversions.h"
#include "platform/Label.h"
#include "platform/TextFile.h"

#include <QFileInfo>

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

bool WriteDefaultHighScoreTable(const QString& Path, const QString& DefaultScore)
{
    return platform::writeFileAtomically(Path, HighScoreTable::defaults(DefaultScore).text());
}

void WriteDefaultHighScores(const QString& FileBase, GameForm& Form, const QString& DefaultScore)
{
    WriteDefaultHighScoreTable(HighScoreTablePath(FileBase, Form.Name()), DefaultScore);
}

void ShowTopHighScore(const QString& FileBase, GameForm& Form, const QString& DefaultScore)
{
    const QString path = HighScoreTablePath(FileBase, Form.Name());
    // Only a missing table is replaced: one that exists but cannot be read is kept for the player.
    if (!QFileInfo::exists(path))
        WriteDefaultHighScoreTable(path, DefaultScore);

    QByteArray contents;
    if (!platform::readWholeFile(path, &contents))
        return;
    const HighScoreTable table = HighScoreTable::parse(contents);
    if (table.lines().empty() || !Form.lblHighScore)
        return;
    const QString prefix = Form.Name() == QStringLiteral("frmSpires") ? QStringLiteral("Current High Score: ")
                                                                      : QStringLiteral("High Score: ");
    Form.lblHighScore->setCaption(prefix + shownScore(table.lines().front().score));
}

void CheckHighScore(const QString& FileBase, GameForm& Form)
{
    const QString path = HighScoreTablePath(FileBase, Form.Name());
    QByteArray contents;
    if (!platform::readWholeFile(path, &contents))
        throw HighScoreTableError("cannot read the high-score table " + path.toStdString());
    const HighScoreTable table = HighScoreTable::parse(contents);
    const HighScoreTable::Placement placement = table.placeFor(gScore);
    if (!placement.readable)
        throw HighScoreTableError("a score in the high-score table " + path.toStdString() + " is not a number");
    if (!placement.place)
        return;

    if (gSoundsOn)
        PlayWaveFile(appFile(QStringLiteral("HighScore.wav")));
    QString name = askPlayerName(Form);
    if (name.isEmpty())
        name = QStringLiteral("Unknown User");
    gPlayerName = name;
    if (gCustomScoring)
        name += QLatin1Char('*');

    if (!platform::writeFileAtomically(path, table.withEntry(*placement.place, name, gScore).text()))
        throw HighScoreTableError("cannot write the high-score table " + path.toStdString());
    showTable(FileBase, Form);
}
