#include "TalliesWindowFixture.h"

#include "core/cards/CardImage.h"
#include "core/scores/HighScores.h"
#include "core/cards/ImageList.h"
#include "games/tallies/TalliesField.h"
#include "platform/Conversions.h"
#include "platform/Label.h"
#include "platform/StatusBar.h"
#include "platform/TextFile.h"
#include "platform/Timer.h"
#include "support/FileBytes.h"
#include "support/MenuEntry.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

void TalliesWindowTest::SetUp()
{
    TalliesTest::SetUp();
    gGameTitle = QStringLiteral("Go for Tallies!");
    setHighScoreDialogs({[this](GameForm&) {
                             namesAsked.push_back(QStringLiteral("asked"));
                             return QStringLiteral("Tess");
                         },
                         [this](const QString&, GameForm&) { ++tablesShown; }});
    form = new frmTallies;
    form->show();
}

void TalliesWindowTest::TearDown()
{
    delete form;
    setHighScoreDialogs({});
}

QDateTime TalliesWindowTest::at(const char* time)
{
    return QDateTime(QDate(2024, 5, 17), QTime::fromString(QLatin1String(time), QStringLiteral("hh:mm:ss")));
}

void TalliesWindowTest::writeLowTable(const QString& table)
{
    QByteArray text;
    for (int i = 0; i < 10; ++i)
        text += "Corvanta, " + QByteArray::number(1000 - i * 100) + "\r\n";
    text += "\r\n";
    ASSERT_TRUE(platform::writeFileAtomically(folder.file(table), text));
}

QString TalliesWindowTest::tableText(const QString& table) const
{
    return QString::fromLatin1(readBytes(folder.file(table)));
}

void TalliesWindowTest::tick(int seconds)
{
    for (int s = 0; s < seconds; ++s) {
        ASSERT_TRUE(form->Timer1->enabled());
        form->Timer1->fire();
    }
}

QAction* TalliesWindowTest::entry(const char* name) const { return menuEntry(*form, name); }

void TalliesWindowTest::closeAndReopen()
{
    boxes.expect(platform::vbYes);
    ASSERT_TRUE(form->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(form.isNull());
    form = new frmTallies;
    form->show();
}

void TalliesWindowTest::playShortGame()
{
    click(form->cmdPlay);
    click(form->cmdTakeScore);
    click(form->cmdTakeScore);
    ASSERT_FALSE(form->gameInProgress());
}

void TalliesWindowTest::click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }

QStringList TalliesWindowTest::fieldKeys() const
{
    QStringList keys;
    for (const CardImage* card : form->FieldCardPicture)
        keys << ImageList2().key(card->picture());
    return keys;
}

QString TalliesWindowTest::panel(int n) const { return form->StatusBar1->panelText(n); }

// ---- The scripted player ----

namespace {
std::int64_t pointsOf(int position)
{
    if (position == 0)
        return 700;
    if (position <= 4)
        return 600;
    if (position <= 9)
        return 500;
    if (position <= 15)
        return 400;
    if (position <= 19)
        return 300;
    return 200;
}

void press(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }
} // namespace

int TalliesPlayer::valueOf(const CardImage* card) { return int(platform::Val(ImageList2().key(card->picture()))); }

bool TalliesPlayer::exposed(int position) const
{
    if (m_form.FieldCardPicture[position]->isHidden())
        return false;
    for (int cover : tallies::CoveringPositions(position))
        if (!m_form.FieldCardPicture[cover]->isHidden())
            return false;
    return true;
}

bool TalliesPlayer::findCombination(Pick& pick) const
{
    std::vector<std::pair<int, int>> cards; // position (-1 the up card), value
    for (int i = 0; i < 22; ++i)
        if (exposed(i))
            cards.emplace_back(i, valueOf(m_form.FieldCardPicture[i]));
    if (!m_form.UpCardPicture->shows(QStringLiteral("EMPTY")))
        cards.emplace_back(-1, valueOf(m_form.UpCardPicture));
    std::vector<int> chosen;
    std::function<bool(size_t, int)> search = [&](size_t from, int total) {
        if (total == 11)
            return true;
        for (size_t k = from; k < cards.size(); ++k) {
            if (total + cards[k].second > 11)
                continue;
            chosen.push_back(int(k));
            if (search(k + 1, total + cards[k].second))
                return true;
            chosen.pop_back();
        }
        return false;
    };
    if (!search(0, 0))
        return false;
    pick = Pick();
    for (int k : chosen) {
        if (cards[k].first < 0)
            pick.upCard = true;
        else
            pick.positions.push_back(cards[k].first);
    }
    return true;
}

std::int64_t TalliesPlayer::playRound(int secondsPerMove, bool takeScoreWhenStuck)
{
    const QString round = m_form.lblCurrentRound->caption();
    auto ended = [&] { return !m_form.gameInProgress() || m_form.lblCurrentRound->caption() != round; };
    std::int64_t points = 0;
    int combos = 0, elapsed = 0;
    bool cleared = false;
    auto runClock = [&](int seconds) {
        for (int s = 0; s < seconds && !ended(); ++s) {
            m_tick();
            ++elapsed;
        }
    };

    while (!ended()) {
        Pick pick;
        if (findCombination(pick)) {
            for (int p : pick.positions)
                points += pointsOf(p);
            points += pick.upCard ? 100 : 0;
            ++combos;
            ++combinations;
            int left = 0;
            for (const CardImage* card : m_form.FieldCardPicture)
                left += card->isHidden() ? 0 : 1;
            cleared = left == int(pick.positions.size());
            for (int p : pick.positions)
                press(m_form.FieldCardPicture[p]);
            if (pick.upCard)
                press(m_form.UpCardPicture);
        } else if (!m_form.PlayCardPicture->shows(QStringLiteral("EMPTY"))) {
            bool vacancy = false;
            for (const CardImage* card : m_form.FieldCardPicture)
                vacancy = vacancy || card->isHidden();
            points -= vacancy && !m_form.UpCardPicture->shows(QStringLiteral("EMPTY")) ? 200 : 100;
            ++draws;
            press(m_form.PlayCardPicture);
        } else if (takeScoreWhenStuck) {
            press(m_form.cmdTakeScore);
            break;
        } else {
            runClock(90);
            break;
        }
        runClock(secondsPerMove);
    }
    EXPECT_TRUE(ended());
    lastCleared = cleared;
    lastElapsed = elapsed;
    return points + (cleared ? 10000 : 0) + combos * 1500 + std::int64_t(90 - elapsed) * 100;
}
