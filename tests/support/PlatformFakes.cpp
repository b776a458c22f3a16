#include "support/PlatformFakes.h"

#include "core/SuiteGlobals.h"
#include "platform/Clock.h"
#include "platform/Program.h"
#include "platform/Wait.h"

#include <gtest/gtest.h>

ScriptedMessageBoxes::ScriptedMessageBoxes()
{
    platform::setMessageBoxHandler([this](const platform::MessageBoxCall& call) {
        m_shown.push_back(call);
        if (m_answers.empty()) {
            ADD_FAILURE() << "Unexpected message box: \"" << call.prompt.toStdString() << "\" (style " << call.style << ")";
            return call.buttons() == platform::vbYesNo ? int(platform::vbNo) : int(platform::vbOK);
        }
        const Answer next = m_answers.front();
        m_answers.pop_front();
        if (next.meanwhile)
            next.meanwhile();
        return next.answer;
    });
}

ScriptedMessageBoxes::~ScriptedMessageBoxes() { platform::setMessageBoxHandler(nullptr); }

ScriptedMessageBoxes& ScriptedMessageBoxes::expect(int answer)
{
    m_answers.push_back({answer, {}});
    return *this;
}

ScriptedMessageBoxes& ScriptedMessageBoxes::expect(int answer, std::function<void()> meanwhile)
{
    m_answers.push_back({answer, std::move(meanwhile)});
    return *this;
}

InstantWaits::InstantWaits()
{
    platform::setWaitHandler([this](int ms) { m_waits.push_back(ms); });
}

InstantWaits::~InstantWaits() { platform::setWaitHandler(nullptr); }

FakeClock::FakeClock(const QDateTime& start) : m_now(start)
{
    platform::setClock([this] { return m_now; });
}

FakeClock::~FakeClock() { platform::setClock(nullptr); }

FakeBrowser::FakeBrowser(platform::BrowserResult result)
{
    platform::setBrowserHandler([this, result](const QString& url) {
        m_opened.push_back(url);
        return result;
    });
}

FakeBrowser::~FakeBrowser() { platform::setBrowserHandler(nullptr); }

TempProgramFolder::TempProgramFolder()
{
    platform::setProgramFolder(m_dir.path());
    gAppPath = m_dir.path();
}

TempProgramFolder::~TempProgramFolder()
{
    platform::setProgramFolder(QString());
    gAppPath.clear();
}

void resetSuiteGlobals()
{
    gGameTitle.clear();
    gDeck.clear();
    gDeckIndex = gDeckDesign = gTimeLimit = gElapsed = gPieElapsed = gRound = 0;
    gScore = 0;
    gRoundOver = gGameInProgress = gSoundsOn = gMusicOn = gCountDownScore = gCustomScoring = false;
    gStartTime = QDateTime();
    gPlayerName.clear();
    gCardGoal = gPileTop = 0;
    gTimeBonus = gBonusRoundScore = gDeckCompletionBonus = gWaitPeriod = gHandPoints = 0;
    gSoftAces.fill(0);
    gColumnCards1 = gColumnCards2 = gColumnCards3 = gColumnCards4 = 0;
    gPassesLeft = gCardsToPass = 0;
}
