#include "games/tallies/frmTalliesCustomScoring.h"

#include "core/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "platform/Conversions.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "platform/Twips.h"

#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <cstdint>

namespace {
constexpr int ClientWidth = 6000;
constexpr int ClientHeight = 3900;
constexpr double Lowest = 1;
constexpr double Highest = 5000000;

QString plainNumber(std::int32_t n) { return platform::Str(std::int64_t(n)).trimmed(); }

QString comboCaption(int goal)
{
    switch (goal) {
    case 10:
        return QStringLiteral("Score awarded for ten combination:");
    case 12:
        return QStringLiteral("Score awarded for twelve combination:");
    case 13:
        return QStringLiteral("Score awarded for thirteen combination:");
    case 14:
        return QStringLiteral("Score awarded for fourteen combination:");
    case 15:
        return QStringLiteral("Score awarded for fifteen combination:");
    default:
        return QStringLiteral("Score awarded for eleven combination:");
    }
}
} // namespace

frmTalliesCustomScoring::frmTalliesCustomScoring(platform::StatusBar* statusBar, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_statusBar(statusBar)
{
    using platform::setGeometryTw;
    setModal(true);
    setFixedSize(platform::toPixels(ClientWidth), platform::toPixels(ClientHeight));

    fraScoring = new QGroupBox(QStringLiteral("Apptitle Scoring Options"), this);
    setGeometryTw(fraScoring, 120, 60, 5760, 2280);

    auto row = [&](platform::Label*& label, QLineEdit*& box, const QString& caption, int top) {
        label = new platform::Label(fraScoring, caption);
        setGeometryTw(label, 180, top + 45, 3960, 255);
        box = new QLineEdit(fraScoring);
        setGeometryTw(box, 4260, top, 1305, 315);
        box->installEventFilter(this);
    };
    row(lblBouns, txtBonus, QStringLiteral("Score required for Bonus Round:"), 360);
    row(lblCompletion, txtCompletion, QStringLiteral("Score awarded for upper completion:"), 840);
    row(lblTalliesBonus, txtTalliesBonus, comboCaption(11), 1320);
    row(lblTimeBonus, txtTimeBonus, QStringLiteral("Score awarded for Time Bonus (per second):"), 1800);

    lblCustom = new platform::Label(this);
    setGeometryTw(lblCustom, 180, 2460, 5640, 480);
    lblCustom->setWordWrap(true);

    auto button = [&](const QString& caption, int left, void (frmTalliesCustomScoring::*handler)()) {
        auto* b = new QPushButton(caption, this);
        setGeometryTw(b, left, 3180, 1215, 375);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    cmdOK = button(QStringLiteral("&OK"), 780, &frmTalliesCustomScoring::cmdOK_Click);
    cmdCancel = button(QStringLiteral("&Cancel"), 2393, &frmTalliesCustomScoring::cmdCancel_Click);
    cmdDefault = button(QStringLiteral("&Default"), 4005, &frmTalliesCustomScoring::cmdDefault_Click);
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    cmdCancel->setAutoDefault(false);
    cmdDefault->setAutoDefault(false);

    Form_Load();
}

void frmTalliesCustomScoring::Form_Load()
{
    platform::centreOnScreen(this);
    setWindowTitle(gGameTitle + QStringLiteral(" User Options"));
    lblCustom->setCaption(QStringLiteral("Note: Any high score attained using customized scoring will be denoted by an "
                                         "asterisk in the High Score table."));
    txtBonus->setText(plainNumber(gTalliesBonusScore));
    txtCompletion->setText(plainNumber(gTalliesCompletionBonus));
    txtTalliesBonus->setText(plainNumber(gTalliesComboBonus));
    txtTimeBonus->setText(plainNumber(gTimeBonus));
    lblTalliesBonus->setCaption(comboCaption(gCardGoal));
}

bool frmTalliesCustomScoring::eventFilter(QObject* watched, QEvent* event)
{
    // Typing replaces the whole value.
    if (event->type() == QEvent::FocusIn)
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            box->selectAll();
    return QDialog::eventFilter(watched, event);
}

void frmTalliesCustomScoring::cmdDefault_Click()
{
    txtBonus->setText(plainNumber(TalliesDefaults::BonusScore));
    txtCompletion->setText(plainNumber(TalliesDefaults::CompletionBonus));
    txtTalliesBonus->setText(plainNumber(TalliesDefaults::ComboBonus));
    txtTimeBonus->setText(plainNumber(TalliesDefaults::TimeBonus));
}

void frmTalliesCustomScoring::cmdCancel_Click() { reject(); }

void frmTalliesCustomScoring::cmdOK_Click()
{
    struct Field {
        QLineEdit* box;
        const char* message;
    };
    const std::array<Field, 4> fields = {{
        {txtBonus, "Sorry, the score required for a Bonus Round must fall between 1 and 5,000,000."},
        {txtCompletion,
         "Sorry, the score awarded for completing the upper playing area must fall between 1 and 5,000,000."},
        {txtTalliesBonus, "Sorry, the score awarded for each eleven combination must fall between 1 and 5,000,000."},
        {txtTimeBonus, "Sorry, the score awarded for each second remaining in the game after selecting 'Take Score' "
                       "must fall between 1 and 5,000,000."},
    }};
    std::array<std::int32_t, 4> values{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const double v = platform::Val(fields[i].box->text());
        if (!(v >= Lowest && v <= Highest)) {
            platform::MsgBox(QString::fromLatin1(fields[i].message), platform::vbOKOnly | platform::vbExclamation,
                             gGameTitle);
            fields[i].box->setFocus();
            fields[i].box->selectAll();
            return;
        }
        values[i] = std::int32_t(platform::roundHalfEven(v));
    }

    gTalliesBonusScore = values[0];
    gTalliesCompletionBonus = values[1];
    gTalliesComboBonus = values[2];
    gTimeBonus = values[3];
    if (m_statusBar)
        m_statusBar->setPanelText(1, QStringLiteral("Make ") + platform::formatGrouped(gTalliesBonusScore) +
                                         QStringLiteral(" for Bonus Round!   "));
    gCustomScoring = !(gTalliesBonusScore == TalliesDefaults::BonusScore &&
                       gTalliesCompletionBonus == TalliesDefaults::CompletionBonus &&
                       gTalliesComboBonus == TalliesDefaults::ComboBonus && gTimeBonus == TalliesDefaults::TimeBonus);
    accept();
}
