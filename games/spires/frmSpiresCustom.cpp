#include "games/spires/frmSpiresCustom.h"

#include "core/window/GameForm.h"
#include "platform/StatusBar.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using spires::CustomScoringField;
using spires::CustomScoringFields;

namespace {
constexpr int ClientWidth = 7200;
constexpr int ClientHeight = 4500;
} // namespace

frmSpiresCustom::frmSpiresCustom(GameForm* Form)
    : UserOptionsDialog(Form ? Form->Form() : nullptr, ClientWidth, ClientHeight), m_form(Form)
{
    frmScoringOptions = addFrame(QStringLiteral("AppTitle Scoring Options"), {120, 120, 6960, 2850});

    auto addRow = [this](int row, const QString& caption, const char* name) {
        const int top = 330 + row * 435;
        QLabel* label = addCaption(frmScoringOptions, caption, {180, top - 60, 5160, 435});
        label->setWordWrap(true);
        return addNumberBox(frmScoringOptions, {5460, top, 1320, 315}, name);
    };
    txtCardValue =
        addRow(0, QStringLiteral("When creating runs, each additional card increments card value by:"), "txtCardValue");
    txtBonusScore = addRow(1, QStringLiteral("Score required for bonus round:"), "txtBonusScore");
    txtRunBonus = addRow(2, QStringLiteral("High Run bonus (per card):"), "txtRunBonus");
    txtCompletedTower = addRow(3, QStringLiteral("Bonus for completing each tower"), "txtCompletedTower");
    txtTimeBonus = addRow(4, QStringLiteral("Time Bonus (points per second)"), "txtTimeBonus");

    chkCountDown = new QCheckBox(QStringLiteral("&Count Down when taking score"), frmScoringOptions);
    platform::setGeometryTw(chkCountDown, 180, 2460, 4500, 315);

    lblInfo = addNote(QStringLiteral("Note: Changing any of the Scoring Options will cause your high scores to be "
                                     "marked with an * indicating custom scoring was in use."),
                      {120, 3060, 6960, 660});
    addButtons({.top = 3900, .width = 1335, .okLeft = 600, .cancelLeft = 2932, .defaultLeft = 5265});

    Form_Load();
}

void frmSpiresCustom::Form_Load()
{
    openCentred();
    showFields(spires::CurrentCustomScoringFields());
}

void frmSpiresCustom::showFields(const CustomScoringFields& f)
{
    txtCardValue->setText(f.cardValue);
    txtBonusScore->setText(f.bonusScore);
    txtRunBonus->setText(f.runBonus);
    txtCompletedTower->setText(f.completedTower);
    txtTimeBonus->setText(f.timeBonus);
    chkCountDown->setChecked(f.countDown);
}

QLineEdit* frmSpiresCustom::fieldOf(CustomScoringField field) const
{
    switch (field) {
    case CustomScoringField::CardValue: return txtCardValue;
    case CustomScoringField::BonusScore: return txtBonusScore;
    case CustomScoringField::RunBonus: return txtRunBonus;
    case CustomScoringField::CompletedTower: return txtCompletedTower;
    case CustomScoringField::TimeBonus: break;
    }
    return txtTimeBonus;
}

void frmSpiresCustom::cmdDefault_Click() { showFields(spires::DefaultCustomScoringFields()); }

void frmSpiresCustom::cmdOK_Click()
{
    CustomScoringFields f;
    f.cardValue = txtCardValue->text();
    f.bonusScore = txtBonusScore->text();
    f.runBonus = txtRunBonus->text();
    f.completedTower = txtCompletedTower->text();
    f.timeBonus = txtTimeBonus->text();
    f.countDown = chkCountDown->isChecked();
    const spires::CustomScoringOutcome outcome = spires::StoreCustomScoring(f);
    reportRefusals(outcome.refusals, [this](CustomScoringField field) { return fieldOf(field); });
    if (outcome.timeBonusAccepted && m_form && m_form->StatusBar1)
        m_form->StatusBar1->setPanelText(1, spires::BonusRoundStatusText());
    if (outcome.allAccepted())
        accept();
}
