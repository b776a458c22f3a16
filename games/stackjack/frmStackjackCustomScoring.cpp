#include "games/stackjack/frmStackjackCustomScoring.h"

#include "core/window/GameForm.h"
#include "platform/StatusBar.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using stackjack::CustomScoringField;
using stackjack::CustomScoringFields;

namespace {

constexpr int ClientWidth = 6300;
constexpr int ClientHeight = 4620;

} // namespace

frmStackjackCustomScoring::frmStackjackCustomScoring(GameForm* Form)
    : UserOptionsDialog(Form ? Form->Form() : nullptr, ClientWidth, ClientHeight), m_form(Form)
{
    frmCustomScoring = addFrame(QStringLiteral("Apptitle Scoring options"), {120, 120, 6060, 2850});

    auto addRow = [this](int row, const QString& caption, QLabel*& label, QLineEdit*& text) {
        const int top = 300 + row * 435;
        label = addCaption(frmCustomScoring, caption, {180, top, 3960, 315});
        text = addNumberBox(frmCustomScoring, {4260, top, 1620, 315});
    };
    addRow(0, QStringLiteral("Score required for Bonus:"), lblBonus, txtBonus);
    addRow(1, QStringLiteral("Maximum Time Bonus value:"), lblMaxTimeBonus, txtTimeBonusMax);
    addRow(2, QStringLiteral("Minimum Time Bonus value:"), lblMinTimeBonus, txtTimeBonusMin);
    addRow(3, QStringLiteral("Seconds to wait between Rounds (0 - 10):"), lblWaitPeriod, txtWaitPeriod);
    addRow(4, QStringLiteral("Number of cards user may pass (0 - 10):"), lblNumberOfCardsToPass,
           txtNumberOfCardsToPass);
    limitTypedLength(txtWaitPeriod, 2);
    limitTypedLength(txtNumberOfCardsToPass, 2);

    chkCountScore = new QCheckBox(QStringLiteral("Count down &when taking score"), frmCustomScoring);
    platform::setGeometryTw(chkCountScore, 180, 2430, 4500, 315);

    lblInfo = addNote(QStringLiteral("Note: Changing any of the Scoring Options or the number of cards a user may "
                                     "pass will cause your high scores to be marked with an * indicating custom "
                                     "scoring was in use."),
                      {120, 3075, 6060, 840});
    addButtons({.top = 4080, .width = 1335, .okLeft = 480, .cancelLeft = 2482, .defaultLeft = 4485});

    Form_Load();
}

void frmStackjackCustomScoring::Form_Load()
{
    openCentred();
    showFields(stackjack::CurrentCustomScoringFields());
}

void frmStackjackCustomScoring::showFields(const CustomScoringFields& f)
{
    txtBonus->setText(f.bonus);
    txtTimeBonusMax->setText(f.timeBonusMax);
    txtTimeBonusMin->setText(f.timeBonusMin);
    txtWaitPeriod->setText(f.waitPeriod);
    txtNumberOfCardsToPass->setText(f.cardsToPass);
    chkCountScore->setChecked(f.countDown);
}

CustomScoringFields frmStackjackCustomScoring::fields() const
{
    CustomScoringFields f;
    f.bonus = txtBonus->text();
    f.timeBonusMax = txtTimeBonusMax->text();
    f.timeBonusMin = txtTimeBonusMin->text();
    f.waitPeriod = txtWaitPeriod->text();
    f.cardsToPass = txtNumberOfCardsToPass->text();
    f.countDown = chkCountScore->isChecked();
    return f;
}

QLineEdit* frmStackjackCustomScoring::fieldOf(CustomScoringField field) const
{
    switch (field) {
    case CustomScoringField::CardsToPass:
        return txtNumberOfCardsToPass;
    case CustomScoringField::WaitPeriod:
        return txtWaitPeriod;
    case CustomScoringField::Bonus:
        return txtBonus;
    case CustomScoringField::TimeBonusMax:
        return txtTimeBonusMax;
    case CustomScoringField::TimeBonusMin:
        break;
    }
    return txtTimeBonusMin;
}

void frmStackjackCustomScoring::cmdDefault_Click() { showFields(stackjack::DefaultCustomScoringFields()); }

void frmStackjackCustomScoring::cmdOK_Click()
{
    const stackjack::CustomScoringOutcome outcome = stackjack::StoreCustomScoring(fields());
    reportRefusals(outcome.refusals, [this](CustomScoringField field) { return fieldOf(field); });
    if (outcome.minimumAccepted && m_form && m_form->StatusBar1)
        m_form->StatusBar1->setPanelText(1, stackjack::BonusRoundStatusText());
    if (outcome.allAccepted())
        accept();
}
