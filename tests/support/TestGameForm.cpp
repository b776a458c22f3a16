#include "support/TestGameForm.h"

#include "core/window/ClockSurface.h"
#include "core/SuiteGlobals.h"
#include "platform/Label.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Twips.h"

#include <QFrame>
#include <QMenu>
#include <QPushButton>

TestGameForm::TestGameForm(const QString& formName) : GameWindow(formName)
{
    using platform::setGeometryTw;
    auto* board = new QWidget(this);
    setCentralWidget(board);

    lblHighScore = new platform::Label(board);
    setGeometryTw(lblHighScore, 135, 5460, 2400, 195);
    lblMessage = new platform::Label(board, QStringLiteral("Message"));
    setGeometryTw(lblMessage, 4095, 3255, 1695, 480);
    lblScoring = new platform::Label(board);
    setGeometryTw(lblScoring, 3600, 2400, 2000, 480);
    lblScoring->setVisible(false);
    lblCurrentScore = new platform::Label(board, QStringLiteral("0"));
    setGeometryTw(lblCurrentScore, 4770, 465, 1200, 240);
    auto* outline = new QFrame(board);
    outline->setFrameShape(QFrame::Box);
    setGeometryTw(outline, 300, 2655, 5430, 2280);
    ScoringLabelOutline = outline;
    Surface = new ClockSurface(board);
    setGeometryTw(Surface, 1665, 375, 1155, 1140);

    cmdPlay = new QPushButton(QStringLiteral("&Play"), board);
    setGeometryTw(cmdPlay, 8220, 105, 1155, 435);
    cmdPause = new QPushButton(QStringLiteral("Pau&se"), board);
    setGeometryTw(cmdPause, 8220, 585, 1155, 435);
    cmdPause->setEnabled(false);
    cmdTakeScore = new QPushButton(QStringLiteral("&Take Score"), board);
    setGeometryTw(cmdTakeScore, 8220, 1065, 1155, 435);
    cmdTakeScore->setEnabled(false);
    connect(cmdPause, &QPushButton::clicked, this, &TestGameForm::cmdPause_Click);

    QMenu* file = addTopMenu(QStringLiteral("&File"));
    mnuPlay = addEntry(file, QStringLiteral("mnuPlay"), QStringLiteral("&Play"), QKeySequence(QStringLiteral("Ctrl+P")), {});
    mnuPause = addEntry(file, QStringLiteral("mnuPause"), QStringLiteral("Pau&se"), QKeySequence(QStringLiteral("Ctrl+S")),
                        [this] { cmdPause_Click(); });
    mnuPause->setEnabled(false);
    mnuTakeScore = addEntry(file, QStringLiteral("mnuTakeScore"), QStringLiteral("&Take Score"),
                            QKeySequence(QStringLiteral("Ctrl+T")), {});
    mnuTakeScore->setEnabled(false);
    file->addSeparator();
    mnuExit = addEntry(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), QKeySequence(QStringLiteral("Ctrl+X")),
                       [this] { close(); });

    QMenu* options = addTopMenu(QStringLiteral("&Options"));
    mnuClearHighRun = addEntry(options, QStringLiteral("mnuClearHighRun"), QStringLiteral("Clear &High Run"), {}, {});
    addMusicEntry(options, QStringLiteral("Play &Music (plays during game)"), QKeySequence(QStringLiteral("Ctrl+M")));
    addSoundsEntry(options, QStringLiteral("&Play Sounds"), QKeySequence(QStringLiteral("Ctrl+L")));
    options->addSeparator();
    mnuCustom = addEntry(options, QStringLiteral("mnuCustom"), QStringLiteral("&User Options..."),
                         QKeySequence(QStringLiteral("Ctrl+U")), {});
    addTimeLimitMenu(options, QStringLiteral("&Time Limit"),
                     {{30, QStringLiteral("&30 seconds")}, {45, QStringLiteral("&45 seconds (default)")},
                      {60, QStringLiteral("&60 seconds")}, {90, QStringLiteral("&90 seconds")}});
    addDeckMenu(options, QStringLiteral("Dec&k"));
    addHelpMenu();

    addStatusBar(4);
    platform::resizeTw(this, FormWidth, FormHeight);
    setWindowTitle(gGameTitle);
}

void TestGameForm::startGame()
{
    gGameInProgress = true;
    gRoundOver = false;
    lblMessage->setCaption(QString());
    cmdPlay->setText(QStringLiteral("&End Game"));
    mnuPlay->setText(QStringLiteral("&End Game"));
    for (QWidget* w : {static_cast<QWidget*>(cmdPause), static_cast<QWidget*>(cmdTakeScore)})
        w->setEnabled(true);
    mnuPause->setEnabled(true);
    mnuTakeScore->setEnabled(true);
    mnuCustom->setEnabled(false);
    mnuTime->setEnabled(false);
    mnuClearHighRun->setEnabled(false);
    Timer1->setEnabled(true);
}

void TestGameForm::cmdPause_Click()
{
    ++pauseClicks;
    if (lblMessage->caption() == QStringLiteral("Game Paused")) {
        lblMessage->setCaption(QString());
        Timer1->setEnabled(true);
    } else {
        lblMessage->setCaption(QStringLiteral("Game Paused"));
        Timer1->setEnabled(false);
    }
}
