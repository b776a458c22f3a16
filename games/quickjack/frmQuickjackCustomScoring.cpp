#include "games/quickjack/frmQuickjackCustomScoring.h"

#include "core/scores/GameScoring.h"
#include "games/quickjack/frmQuickjack.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Twips.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using quickjack::CustomScoringField;
using quickjack::CustomScoringFields;

namespace {

constexpr int ClientWidth = 6600;
constexpr int ClientHeight = 6300;

} // namespace

frmQuickjackCustomScoring::frmQuickjackCustomScoring(frmQuickjack* Form)
    : UserOptionsDialog(Form, ClientWidth, ClientHeight), m_form(Form)
{
    using platform::setGeometryTw;
    frmCustomScoring = addFrame(QStringLiteral("AppTitle Scoring Options"), {120, 120, 6360, 4500});

    auto addRow = [this](int top, const QString& caption, const char* name) {
        QLabel* label = addCaption(frmCustomScoring, caption, {180, top, 4200, 315});
        QLineEdit* text = addNumberBox(frmCustomScoring, {4500, top, 1620, 315}, name);
        label->setBuddy(text);
        return text;
    };
    txtBonus = addRow(300, QStringLiteral("Score required for Bonus:"), "txtBonus");
    txt21BonusValue = addRow(720, QStringLiteral("Twenty One Bonus Value:"), "txt21BonusValue");
    txtCardsUsedBonus = addRow(1140, QStringLiteral("Cards Used Bonus Value:"), "txtCardsUsedBonus");
    txtDeckCompletionBonus = addRow(1560, QStringLiteral("Deck Completion Bonus:"), "txtDeckCompletionBonus");
    txtFiveCardGimmeBonus = addRow(1980, QStringLiteral("Five Card Gimme Bonus:"), "txtFiveCardGimmeBonus");
    txtNumberOfCardsToPass =
        addRow(2400, QStringLiteral("Number of cards user may pass (0 - 10):"), "txtNumberOfCardsToPass");

    lblSpeed = new QLabel(QStringLiteral("21 Counter Speed:"), frmCustomScoring);
    setGeometryTw(lblSpeed, 180, 2820, 2000, 315);
    auto* speeds = new QButtonGroup(this);
    auto addOption = [this, speeds](int left, int top, int width, const QString& caption, const char* name) {
        auto* option = new QRadioButton(caption, frmCustomScoring);
        option->setObjectName(QLatin1String(name));
        setGeometryTw(option, left, top, width, 315);
        speeds->addButton(option);
        return option;
    };
    optDefault = addOption(2200, 2820, 1400, QStringLiteral("&Normal"), "optDefault");
    optSlow = addOption(3700, 2820, 1400, QStringLiteral("&Slow"), "optSlow");
    optSlowest = addOption(2200, 3135, 4100, QStringLiteral("&Any slower and it would be going backwards"), "optSlowest");

    txtWaitPeriod = addRow(3560, QStringLiteral("Seconds to wait between Rounds (0 - 10):"), "txtWaitPeriod");
    limitTypedLength(txtWaitPeriod, 2);
    limitTypedLength(txtNumberOfCardsToPass, 2);

    chkCountScore = new QCheckBox(QStringLiteral("Count down &when taking score"), frmCustomScoring);
    chkCountScore->setObjectName(QStringLiteral("chkCountScore"));
    setGeometryTw(chkCountScore, 180, 4000, 4500, 315);

    lblInfo = addNote(QStringLiteral("Note: Changing any of the Scoring Options will cause your high scores to be "
                                     "marked with an * indicating custom scoring was in use."),
                      {120, 4740, 6360, 780}, "lblInfo");
    addButtons({.top = 5700,
                .width = 1335,
                .okLeft = 480,
                .cancelLeft = 4785,
                .defaultLeft = 2632,
                .defaultBeforeCancel = true});
    setTabChain({txtBonus, txt21BonusValue, txtCardsUsedBonus, txtDeckCompletionBonus, txtFiveCardGimmeBonus,
                 txtNumberOfCardsToPass, optDefault, optSlow, optSlowest, txtWaitPeriod, chkCountScore, cmdOK,
                 cmdDefault, cmdCancel});

    Form_Load();
}

void frmQuickjackCustomScoring::Form_Load()
{
    openCentred();
    const int interval = m_form ? m_form->Timer3->interval() : gTimerSpeed;
    showFields(quickjack::CurrentCustomScoringFields(interval));
}

void frmQuickjackCustomScoring::showFields(const CustomScoringFields& f)
{
    txtBonus->setText(f.bonus);
    txt21BonusValue->setText(f.twentyOneBonus);
    txtCardsUsedBonus->setText(f.cardsUsedBonus);
    txtDeckCompletionBonus->setText(f.deckCompletionBonus);
    txtFiveCardGimmeBonus->setText(f.fiveCardsBonus);
    txtNumberOfCardsToPass->setText(f.cardsToPass);
    txtWaitPeriod->setText(f.waitPeriod);
    chkCountScore->setChecked(f.countDown);
    optDefault->setChecked(f.timerSpeed == 90);
    optSlow->setChecked(f.timerSpeed == 180);
    optSlowest->setChecked(f.timerSpeed == 360);
}

CustomScoringFields frmQuickjackCustomScoring::fields() const
{
    CustomScoringFields f;
    f.bonus = txtBonus->text();
    f.twentyOneBonus = txt21BonusValue->text();
    f.cardsUsedBonus = txtCardsUsedBonus->text();
    f.deckCompletionBonus = txtDeckCompletionBonus->text();
    f.fiveCardsBonus = txtFiveCardGimmeBonus->text();
    f.cardsToPass = txtNumberOfCardsToPass->text();
    f.waitPeriod = txtWaitPeriod->text();
    f.countDown = chkCountScore->isChecked();
    f.timerSpeed = optDefault->isChecked() ? 90 : optSlow->isChecked() ? 180 : optSlowest->isChecked() ? 360 : 0;
    return f;
}

QLineEdit* frmQuickjackCustomScoring::fieldOf(CustomScoringField field) const
{
    switch (field) {
    case CustomScoringField::CardsToPass:
        return txtNumberOfCardsToPass;
    case CustomScoringField::WaitPeriod:
        return txtWaitPeriod;
    case CustomScoringField::CardsUsedBonus:
        return txtCardsUsedBonus;
    case CustomScoringField::TwentyOneBonus:
        return txt21BonusValue;
    case CustomScoringField::DeckCompletionBonus:
        return txtDeckCompletionBonus;
    case CustomScoringField::FiveCardsBonus:
        return txtFiveCardGimmeBonus;
    case CustomScoringField::Bonus:
        break;
    }
    return txtBonus;
}

void frmQuickjackCustomScoring::cmdDefault_Click() { showFields(quickjack::DefaultCustomScoringFields()); }

void frmQuickjackCustomScoring::cmdOK_Click()
{
    const quickjack::CustomScoringOutcome outcome = quickjack::StoreCustomScoring(fields());
    if (outcome.timerSpeed && m_form)
        m_form->Timer3->setInterval(outcome.timerSpeed);
    reportRefusals(outcome.refusals, [this](CustomScoringField field) { return fieldOf(field); });
    if (outcome.bonusAccepted && m_form && m_form->StatusBar1)
        m_form->StatusBar1->setPanelText(1, quickjack::BonusRoundStatusText());
    if (outcome.allAccepted())
        accept();
}
