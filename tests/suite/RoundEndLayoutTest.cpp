// A window resized while a round's bonus is being counted up lays the figure out again with the rest
// of the window: it stays under its heading, inside its box, where the count-up put it.
#include "core/cards/CardImage.h"
#include "core/window/GameForm.h"
#include "games/cairnwell/frmCairnwell.h"
#include "games/duetto/frmDuetto.h"
#include "games/gridhand/frmGridhand.h"
#include "games/stackjack/frmStackjack.h"
#include "platform/Label.h"
#include "platform/Timer.h"
#include "platform/Wait.h"
#include "GameTableFixture.h"
#include "support/DeckLaying.h"
#include "support/PostedInput.h"
#include "support/Screenshot.h"

#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

namespace {

// What a game shows during its count-up, and how a test gets there.
struct CountUpView {
    platform::Label* figure = nullptr;
    QWidget* heading = nullptr;
    QWidget* box = nullptr;       // both lie inside it
    QWidget* centredOn = nullptr; // the figure stands across its middle; null: beside the heading
};

struct Game {
    const char* name;
    const char* title;
    // Opens the window, starts a game and returns what its count-up shows.
    std::function<CountUpView(std::unique_ptr<QMainWindow>&)> open;
    // Ends the round with seconds left, which starts the count-up.
    std::function<void(QMainWindow*)> takeScore;
};

void PrintTo(const Game& game, std::ostream* os) { *os << game.name; }

template <class Form>
Form* openForm(std::unique_ptr<QMainWindow>& window)
{
    auto* form = new Form;
    window.reset(form);
    form->show();
    form->cmdPlay->click();
    return form;
}

const Game Games[] = {
    {"Duetto", "Duetto!",
     [](std::unique_ptr<QMainWindow>& w) {
         auto* f = openForm<frmDuetto>(w);
         return CountUpView{f->lblScoring, f->lblMessage, f->centralWidget(), f->centralWidget()};
     },
     [](QMainWindow* w) { static_cast<frmDuetto*>(w)->cmdTakeScore->click(); }},
    {"Gridhand", "Gridhand!",
     [](std::unique_ptr<QMainWindow>& w) {
         auto* f = openForm<frmGridhand>(w);
         return CountUpView{f->lblScoring, f->ScoringLabel, f->ScoringLabelOutline, f->ScoringLabelOutline};
     },
     [](QMainWindow* w) {
         // Filling the last cell ends the round.
         for (int cell = 0; cell < 25; ++cell)
             static_cast<frmGridhand*>(w)->PlayCards_Click(cell);
     }},
    {"Cairnwell", "Cairnwell!",
     [](std::unique_ptr<QMainWindow>& w) {
         auto* f = openForm<frmCairnwell>(w);
         return CountUpView{f->lblScoring, f->lblMessage, f->ScoringLabelOutline, f->centralWidget()};
     },
     [](QMainWindow* w) { static_cast<frmCairnwell*>(w)->cmdTakeScore->click(); }},
    {"Stackjack", "Stackjack!",
     [](std::unique_ptr<QMainWindow>& w) {
         auto* f = openForm<frmStackjack>(w);
         return CountUpView{f->ScoringLabel, f->ScoringLabelRoundTotal, f->ScoringLabelOutline, nullptr};
     },
     [](QMainWindow* w) {
         auto* f = static_cast<frmStackjack*>(w);
         // Two cards to each column make a total the table pays for.
         layRanksAndShow({10, 11, 12, 13, 10, 11, 12, 13, 9, 9}, *f->NextCardPicture);
         for (int column : {0, 0, 1, 1, 2, 2, 3, 3, 4, 4})
             f->cmdHit[column]->click();
         ASSERT_EQ(f->cmdGiveUp->text(), QStringLiteral("&Take score"));
         f->cmdGiveUp->click();
     }},
};

class RoundEndLayoutTest : public GameTableFixture<Game> {
protected:
    void SetUp() override { startRun(GetParam().title, 5); }
    void TearDown() override
    {
        GameTableFixture::TearDown();
        window.reset();
    }

    std::unique_ptr<QMainWindow> window;
};

QRect inFelt(const QWidget* w, const QWidget* felt)
{
    return w == felt ? felt->rect() : QRect(w->mapTo(felt, QPoint(0, 0)), w->size());
}

} // namespace

TEST_P(RoundEndLayoutTest, AResizeDuringTheCountUpKeepsTheFigureInItsBoxUnderItsHeading)
{
    const CountUpView view = GetParam().open(window);
    QMainWindow* form = window.get();
    const QSize normal = form->size();
    const QSize larger = normal + QSize(320, 180);
    // Seconds are left when the round ends.
    for (int i = 0; i < 5; ++i)
        dynamic_cast<GameForm&>(*form).Timer1->fire();

    // Grown at the count-up's first wait and shrunk back at the next, each size seen at the wait after it.
    const QSize sizes[] = {larger, normal};
    int resized = 0;
    int checked = 0;
    platform::setWaitObserver([&](int) {
        if (resized == checked && resized < 2) {
            if (!view.figure->isVisible() || view.figure->caption().isEmpty())
                return;
            form->resize(sizes[resized++]);
            return;
        }
        if (checked == resized)
            return;
        const QSize size = sizes[checked++];
        SCOPED_TRACE(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString());
        ASSERT_EQ(form->size(), size);
        const QWidget* felt = form->centralWidget();
        const QRect figure = inFelt(view.figure, felt);
        const QRect heading = inFelt(view.heading, felt);
        const QRect box = inFelt(view.box, felt);
        EXPECT_TRUE(view.figure->isVisible());
        EXPECT_TRUE(view.heading->isVisible());
        EXPECT_TRUE(box.contains(figure)) << "figure " << figure.x() << "," << figure.y() << " box " << box.x() << ","
                                          << box.y() << " " << box.width() << "x" << box.height();
        EXPECT_TRUE(box.contains(heading)) << "heading " << heading.x() << "," << heading.y();
        EXPECT_FALSE(figure.intersects(heading));
        if (view.centredOn) {
            EXPECT_NEAR(figure.center().x(), inFelt(view.centredOn, felt).center().x(), 1);
        }
        saveScreenshot(form, QStringLiteral("RoundEndLayout-%1-%2").arg(QLatin1String(GetParam().name)).arg(checked));
    });
    platform::setWaitScale(0.01);
    GetParam().takeScore(form);
    settle();
    EXPECT_EQ(checked, 2);
}

INSTANTIATE_TEST_SUITE_P(Games, RoundEndLayoutTest, ::testing::ValuesIn(Games),
                         [](const ::testing::TestParamInfo<Game>& info) { return std::string(info.param.name); });
