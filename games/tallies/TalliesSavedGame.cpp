#include "games/tallies/TalliesSavedGame.h"

#include "core/SuiteGlobals.h"
#include "games/tallies/TalliesDeck.h"
#include "games/tallies/TalliesSavedGameFile.h"
#include "games/tallies/TalliesState.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

namespace tallies {

namespace {
const QString SaveFailed =
    QStringLiteral("Unable to save the file. Please verify that you have entered a valid path and file name.");
const QString OpenFailed = QStringLiteral(
    "Unable to open the requested file. It may be damaged or you may have entered an invalid file name.");
const QString InformationTitle = QStringLiteral("Saved Game Information");

// Kept empty when the round was not saved, as the deal leaves a round it never reached.
std::vector<CardCode> roundDeck(const std::vector<CardCode>& saved, int size)
{
    return saved.empty() ? std::vector<CardCode>(size + 1) : saved;
}
} // namespace

QString SavedGameFileName(const QString& FileName)
{
    const QFileInfo info(FileName);
    return info.fileName().contains(QLatin1Char('.')) ? FileName : FileName + QStringLiteral(".tgm");
}

bool SaveLastGame(const QString& FileName, const QString& UserName)
{
    const QString path = SavedGameFileName(FileName);
    // Wildcards are patterns to the file dialogs, never part of a saved game's name.
    const bool nameless = QFileInfo(FileName).fileName().isEmpty();
    const bool pattern = path.contains(QLatin1Char('*')) || path.contains(QLatin1Char('?'));
    const QByteArray text = SavedGameText(UserName);
    // A file that opening would refuse as damaged is never written.
    const bool opens = ParseSavedGame(QString::fromLatin1(text)).has_value();
    if (nameless || pattern || !opens || !platform::writeFileAtomically(path, text)) {
        platform::MsgBox(SaveFailed, platform::vbOKOnly | platform::vbCritical, gGameTitle);
        return false;
    }
    return true;
}

bool ReadSavedGame(const QString& FileName, const TalliesReplayHooks& Window)
{
    QByteArray bytes;
    const bool opened = !FileName.isEmpty() && platform::readWholeFile(FileName, &bytes);
    const auto game = opened ? ParseSavedGame(platform::decodeText(bytes)) : std::nullopt;
    if (!game) {
        platform::MsgBox(OpenFailed, platform::vbOKOnly | platform::vbCritical, gGameTitle);
        return false;
    }

    if (Window.chooseCardGoal)
        Window.chooseCardGoal(game->cardGoal);
    else
        gCardGoal = game->cardGoal;
    const int size = TalliesDeckSize(game->cardGoal);
    gTalliesRound1Deck = game->roundDecks[0];
    gTalliesRound2Deck = roundDeck(game->roundDecks[1], size);
    gTalliesRound3Deck = roundDeck(game->roundDecks[2], size);
    gDeck.assign(size + 1, CardCode());
    gTalliesDrawPile.assign(size - 22 + 1, CardCode());

    QString summary = SavedGameSummary(*game);
    if (game->timeLimit != gTimeLimit) {
        summary += TimeLimitQuestion(game->timeLimit);
        const int answer = platform::MsgBox(summary, platform::vbYesNo | platform::vbQuestion, InformationTitle);
        if (answer == platform::vbYes) {
            if (Window.chooseTimeLimit)
                Window.chooseTimeLimit(game->timeLimit);
            else
                gTimeLimit = game->timeLimit;
        }
    } else {
        platform::MsgBox(summary, platform::vbOKOnly | platform::vbInformation, InformationTitle);
    }

    gTalliesReplay = true;
    if (Window.startReplay)
        Window.startReplay();
    return true;
}

bool OpenCommandLineGame(const QString& CommandLine, bool& mCommandLineOpened, const TalliesReplayHooks& Window)
{
    if (CommandLine.isEmpty() || mCommandLineOpened)
        return false;
    mCommandLineOpened = true;
    return ReadSavedGame(CommandLine, Window);
}

namespace {
std::optional<QString>& commandLineOverride()
{
    static std::optional<QString> text;
    return text;
}
} // namespace

void setCommandLineText(std::optional<QString> text) { commandLineOverride() = std::move(text); }

QString CommandLineText()
{
    if (commandLineOverride())
        return *commandLineOverride();
    if (!QCoreApplication::instance())
        return {};
    return QCoreApplication::arguments().mid(1).join(QLatin1Char(' '));
}

} // namespace tallies
