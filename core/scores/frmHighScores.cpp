#include "core/scores/frmHighScores.h"

#include "core/window/GameForm.h"
#include "core/scores/HighScoreTable.h"
#include "core/scores/HighScores.h"
#include "core/SuiteGlobals.h"
#include "platform/Colors.h"
#include "platform/Conversions.h"
#include "platform/FitText.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <QPushButton>

namespace {
constexpr int ClientWidth = 3675;
constexpr int ClientHeight = 4245;
constexpr int RowTop = 165;
constexpr int RowHeight = 285;
constexpr int NameLeft = 150, NameWidth = 2000;
constexpr int ScoreLeft = 2265, ScoreWidth = 1230;
// Room a title bar takes beside its caption: the icon and the window buttons.
constexpr int CaptionChrome = 120;
constexpr int FrameLeft = 90, FrameTop = 105, FrameWidth = 3495, FrameHeight = 2955;

const QString Tallies = QStringLiteral("Go for Tallies!");

struct TableOfGame {
    QString tagline;
    QString fileBase;
    QString defaultScore;
    QString formName;
};

const TableOfGame* tableOfGame(const QString& tagline)
{
    static const TableOfGame games[] = {
        {Tallies, QStringLiteral("HiScores"), QStringLiteral("50000"), QStringLiteral("frmTallies")},
        {QStringLiteral("Stackjack!"), QStringLiteral("HiScores"), QStringLiteral("50000"), QStringLiteral("frmStackjack")},
        {QStringLiteral("Quickjack!"), QStringLiteral("QuickjackHiScores"), QStringLiteral("50000"), QStringLiteral("frmQuickjack")},
        {QStringLiteral("Spires!"), QStringLiteral("SpiresHiScores"), QStringLiteral("30000"), QStringLiteral("frmSpires")},
        {QStringLiteral("Duetto!"), QStringLiteral("DuettoHighScores"), QStringLiteral("50000"), QStringLiteral("frmDuetto")},
        {QStringLiteral("Gridhand!"), QStringLiteral("GridhandHighScores"), QStringLiteral("30000"), QStringLiteral("frmGridhand")},
        {QStringLiteral("Cairnwell!"), QStringLiteral("CairnwellHiScores"), QStringLiteral("50000"), QStringLiteral("frmCairnwell")},
    };
    for (const TableOfGame& g : games)
        if (g.tagline == tagline)
            return &g;
    return nullptr;
}

QFont tableFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    return font;
}
} // namespace

frmHighScores::frmHighScores(GameForm* game, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_game(game)
{
    using platform::setGeometryTw;
    setModal(true);
    setFixedSize(platform::toPixels(ClientWidth), platform::toPixels(ClientHeight));

    const QFont font = tableFont();
    for (int i = 0; i < int(ScoreList.size()); ++i) {
        auto* label = new platform::Label(this, QStringLiteral("Label1"));
        label->setFont(font);
        const int top = RowTop + RowHeight * (i / 2);
        if (i % 2 == 0) {
            setGeometryTw(label, NameLeft, top, NameWidth, RowHeight);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            label->setForeColor(platform::ColorBlue);
        } else {
            setGeometryTw(label, ScoreLeft, top, ScoreWidth, RowHeight);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            label->setForeColor(platform::ColorRed);
        }
        // A long name or a big score is drawn smaller rather than cut.
        label->setShrinkToFit(true);
        ScoreList[i] = label;
    }

    lblHiScoreInfo = new platform::Label(this, QStringLiteral("Label1"));
    QFont infoFont = lblHiScoreInfo->font();
    infoFont.setBold(true);
    lblHiScoreInfo->setFont(infoFont);
    lblHiScoreInfo->setForeColor(platform::ColorBlue);
    lblHiScoreInfo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setGeometryTw(lblHiScoreInfo, 75, 3150, 3525, 480);

    cmdClear = new QPushButton(QStringLiteral("&Clear"), this);
    setGeometryTw(cmdClear, 480, 3720, 1215, 375);
    cmdDone = new QPushButton(QStringLiteral("&Done"), this);
    setGeometryTw(cmdDone, 1980, 3720, 1215, 375);
    cmdDone->setDefault(true);
    cmdDone->setAutoDefault(true);
    cmdClear->setAutoDefault(false);
    connect(cmdClear, &QPushButton::clicked, this, &frmHighScores::cmdClear_Click);
    connect(cmdDone, &QPushButton::clicked, this, &frmHighScores::cmdDone_Click);

    Form_Load();
}

void frmHighScores::showModal(GameForm* game)
{
    frmHighScores dialog(game, game ? game->Form() : nullptr);
    dialog.exec();
}

void frmHighScores::Form_Load()
{
    platform::centreOnScreen(this);
    setWindowTitle(gGameTitle + QStringLiteral(" Hall of Fame (") + QString::number(gTimeLimit) + QStringLiteral(" secs)"));
    fitCaption();

    if (const TableOfGame* game = tableOfGame(gGameTitle)) {
        QString info = QStringLiteral("* denotes customized scoring was used");
        if (game->tagline == Tallies) {
            ReadTalliesScoreTable();
            info += QStringLiteral("\r\nHigh Scores for Card Goal of ") + QString::number(gCardGoal);
        } else {
            ReadHighScoreTable(game->fileBase);
        }
        lblHiScoreInfo->setCaption(info);
        fitFootnote();
    }
    platform::setLeftTw(lblHiScoreInfo, platform::widthTw(this) / 2 - platform::widthTw(lblHiScoreInfo) / 2);
}

// The window's title bar carries the caption beside its icon and buttons; where the table is narrower
// than that, the window widens and the table stays in its middle.
void frmHighScores::fitCaption()
{
    QFont titleFont = font();
    titleFont.setBold(true);
    const int needed = QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + CaptionChrome;
    if (needed <= width())
        return;
    const int shift = (needed - width() + 1) / 2;
    setFixedSize(width() + 2 * shift, height());
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->move(child->x() + shift, child->y());
    m_shift += shift;
    platform::centreOnScreen(this);
}

// The footnote has room for two lines; where the system font runs wider than the one the layout was
// made for, the font shrinks rather than the text being cut.
void frmHighScores::fitFootnote()
{
    const QStringList lines = lblHiScoreInfo->caption().split(QStringLiteral("\r\n"));
    const int room = lblHiScoreInfo->width();
    lblHiScoreInfo->setFont(platform::fittingFont(lblHiScoreInfo->font(), 6, 0.25, [&lines, room](const QFont& f) {
        const QFontMetrics metrics(f);
        return std::all_of(lines.begin(), lines.end(),
                           [&metrics, room](const QString& line) { return metrics.horizontalAdvance(line) <= room; });
    }));
}

void frmHighScores::ReadTalliesScoreTable()
{
    readTable(HighScoreTablePath(QStringLiteral("HiScores"), QStringLiteral("frmTallies")), true);
}

void frmHighScores::ReadHighScoreTable(const QString& FileBase) { readTable(HighScoreTablePath(FileBase, QString()), false); }

// Shows what can be read: a missing table leaves every label as it is, and Tallies stops at a score
// that is not a number (the other games show such a score as written).
void frmHighScores::readTable(const QString& path, bool scoresAsNumbers)
{
    const std::optional<HighScoreTable> table = ReadHighScoreTableFile(path);
    if (!table)
        return;
    const int rows = std::min<int>(HighScoreTable::Size, int(table->lines().size()));
    for (int k = 0; k < rows; ++k) {
        const HighScoreLine& line = table->lines()[k];
        ScoreList[2 * k]->setCaption(line.name);
        const std::optional<std::int64_t> value = highScoreValue(line.score);
        if (!value && scoresAsNumbers)
            return;
        ScoreList[2 * k + 1]->setCaption(value ? platform::formatGrouped(*value) : line.score);
    }
}

void frmHighScores::cmdClear_Click()
{
    if (platform::MsgBox(QStringLiteral("This will clear all High Scores. Are You Sure?"), platform::vbYesNo | platform::vbQuestion,
                         gGameTitle) != platform::vbYes)
        return;
    const TableOfGame* game = tableOfGame(gGameTitle);
    if (!game)
        return;
    if (!ClearHighScoreTable(HighScoreTablePath(game->fileBase, game->formName), game->defaultScore))
        return;
    if (game->tagline == Tallies)
        ReadTalliesScoreTable();
    else
        ReadHighScoreTable(game->fileBase);
    // Only the window of this game, and only when it is open.
    if (m_game && m_game->Name() == game->formName)
        ShowTopHighScore(game->fileBase, *m_game, game->defaultScore);
}

void frmHighScores::cmdDone_Click() { close(); }

void frmHighScores::paintEvent(QPaintEvent*)
{
    using platform::toPixels;
    QPainter p(this);
    const QRect frame(toPixels(FrameLeft) + m_shift, toPixels(FrameTop), toPixels(FrameWidth), toPixels(FrameHeight));
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(frame.adjusted(0, 0, -1, -1));
    p.setPen(Qt::white);
    p.drawLine(frame.topRight(), frame.bottomRight());
    p.drawLine(frame.bottomLeft(), frame.bottomRight());
}
