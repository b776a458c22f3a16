#include "games/tallies/frmTalliesCustomScoring.h"

#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/tallies/TalliesCustomScoring.h"
#include "platform/Conversions.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "platform/Twips.h"

#include <QGroupBox>
#include <QLineEdit>
#include <cstdint>

namespace {
constexpr int ClientWidth = 6000;
constexpr int ClientHeight = 3900;

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
    : UserOptionsDialog(parent, ClientWidth, ClientHeight), m_statusBar(statusBar)
{
    setReselectAfterClick(false);
    fraScoring = addFrame(QStringLiteral("Apptitle Scoring Options"), {120, 60, 5760, 2280});

    auto row = [&](platform::Label*& label, QLineEdit*& box, const QString& caption, int top) {
        label = new platform::Label(fraScoring, caption);
        platform::setGeometryTw(label, 180, top + 45, 3960, 255);
        box = addNumberBox(fraScoring, {4260, top, 1305, 315});
    };
    row(lblBouns, txtBonus, QStringLiteral("Score required for Bonus Round:"), 360);
    row(lblCompletion, txtCompletion, QStringLiteral("Score awarded for upper completion:"), 840);
    row(lblTalliesBonus, txtTalliesBonus, comboCaption(11), 1320);
    row(lblTimeBonus, txtTimeBonus, QStringLiteral("Score awarded for Time Bonus (per second):"), 1800);

    lblCustom = new platform::Label(this);
    platform::setGeometryTw(lblCustom, 180, 2460, 5640, 480);
    lblCustom->setWordWrap(true);

    addButtons({.top = 3180,
                .width = 1215,
                .okLeft = 780,
                .cancelLeft = 2393,
                .defaultLeft = 4005,
                .onlyOkAutoDefault = true});

    Form_Load();
}

void frmTalliesCustomScoring::Form_Load()
{
    openCentred();
    lblCustom->setCaption(QStringLiteral("Note: Any high score attained using customized scoring will be denoted by an "
                                         "asterisk in the High Score table."));
    txtBonus->setText(plainNumber(gTalliesBonusScore));
    txtCompletion->setText(plainNumber(gTalliesCompletionBonus));
    txtTalliesBonus->setText(plainNumber(gTalliesComboBonus));
    txtTimeBonus->setText(plainNumber(gTimeBonus));
    lblTalliesBonus->setCaption(comboCaption(gCardGoal));
}

void frmTalliesCustomScoring::cmdDefault_Click()
{
    txtBonus->setText(plainNumber(TalliesDefaults::BonusScore));
    txtCompletion->setText(plainNumber(TalliesDefaults::CompletionBonus));
    txtTalliesBonus->setText(plainNumber(TalliesDefaults::ComboBonus));
    txtTimeBonus->setText(plainNumber(TalliesDefaults::TimeBonus));
}

void frmTalliesCustomScoring::cmdOK_Click()
{
    QLineEdit* const boxes[tallies::CustomFieldCount] = {txtBonus, txtCompletion, txtTalliesBonus, txtTimeBonus};
    tallies::CustomEntries entries;
    for (int i = 0; i < tallies::CustomFieldCount; ++i)
        entries[i] = boxes[i]->text();
    const tallies::CustomCheck check = tallies::CheckCustomScoring(entries);
    if (check.refused) {
        // Only the first bad value is reported, and nothing is stored until all pass.
        QLineEdit* box = boxes[int(*check.refused)];
        platform::MsgBox(check.message, platform::vbOKOnly | platform::vbExclamation, gGameTitle);
        box->setFocus();
        box->selectAll();
        return;
    }
    tallies::StoreCustomScoring(check.values);
    if (m_statusBar)
        m_statusBar->setPanelText(1, tallies::BonusRoundStatusText());
    accept();
}
