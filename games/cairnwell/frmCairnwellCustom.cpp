#include "games/cairnwell/frmCairnwellCustom.h"

#include "core/window/GameForm.h"
#include "platform/StatusBar.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using cairnwell::CustomField;
using cairnwell::CustomFields;

namespace {
constexpr int ClientWidth = 6300;
constexpr int ClientHeight = 5400;
} // namespace

frmCairnwellCustom::frmCairnwellCustom(GameForm* Form)
    : UserOptionsDialog(Form ? Form->Form() : nullptr, ClientWidth, ClientHeight), m_form(Form)
{
    frmScoringOptions = addFrame(QStringLiteral("AppTitle Scoring Options"), {120, 120, 6060, 3690});

    auto addRow = [this](int row, const char* name, const QString& caption) {
        const int top = 330 + row * 435;
        addCaption(frmScoringOptions, caption, {180, top, 3960, 315});
        return addNumberBox(frmScoringOptions, {4260, top, 1620, 315}, name);
    };
    txtTripValue = addRow(0, "txtTripValue", QStringLiteral("Three of a kind bonus:"));
    txtRunValue = addRow(1, "txtRunValue", QStringLiteral("Run Bonus:"));
    txtDeckValue = addRow(2, "txtDeckValue", QStringLiteral("Deck Completion Bonus:"));
    txtFlushValue = addRow(3, "txtFlushValue", QStringLiteral("Flush Bonus:"));
    txtBonusRound = addRow(4, "txtBonusRound", QStringLiteral("Score Required for Bonus Round:"));
    txtPenaltyValue = addRow(5, "txtPenaltyValue", QStringLiteral("Penalty for left-over cards:"));
    txtTimeBonus = addRow(6, "txtTimeBonus", QStringLiteral("Time Bonus (points per second)"));

    chkCountDown = new QCheckBox(QStringLiteral("&Count Down when taking score"), frmScoringOptions);
    platform::setGeometryTw(chkCountDown, 180, 3375, 4500, 255);

    lblInfo = addNote(QStringLiteral("Note: Changing any of the Scoring Options will cause your high scores to be "
                                     "marked with an * indicating custom scoring was in use."),
                      {120, 3930, 6060, 690});
    addButtons({.top = 4800,
                .width = 1335,
                .okLeft = 480,
                .cancelLeft = 2482,
                .defaultLeft = 4485,
                .onlyOkAutoDefault = true});

    Form_Load();
}

void frmCairnwellCustom::Form_Load()
{
    openCentred();
    showFields(cairnwell::CurrentCustomFields());
}

void frmCairnwellCustom::showFields(const CustomFields& f)
{
    txtTripValue->setText(f.trip);
    txtRunValue->setText(f.run);
    txtDeckValue->setText(f.deck);
    txtFlushValue->setText(f.flush);
    txtBonusRound->setText(f.bonusRound);
    txtPenaltyValue->setText(f.penalty);
    txtTimeBonus->setText(f.timeBonus);
    chkCountDown->setChecked(f.countDown);
}

CustomFields frmCairnwellCustom::fields() const
{
    CustomFields f;
    f.trip = txtTripValue->text();
    f.run = txtRunValue->text();
    f.deck = txtDeckValue->text();
    f.flush = txtFlushValue->text();
    f.bonusRound = txtBonusRound->text();
    f.penalty = txtPenaltyValue->text();
    f.timeBonus = txtTimeBonus->text();
    f.countDown = chkCountDown->isChecked();
    return f;
}

QLineEdit* frmCairnwellCustom::boxOf(CustomField field) const
{
    switch (field) {
    case CustomField::Trip: return txtTripValue;
    case CustomField::Run: return txtRunValue;
    case CustomField::Deck: return txtDeckValue;
    case CustomField::Flush: return txtFlushValue;
    case CustomField::BonusRound: return txtBonusRound;
    case CustomField::Penalty: return txtPenaltyValue;
    case CustomField::TimeBonus: break;
    }
    return txtTimeBonus;
}

void frmCairnwellCustom::cmdDefault_Click() { showFields(cairnwell::DefaultCustomFields()); }

void frmCairnwellCustom::cmdOK_Click()
{
    const cairnwell::CustomOutcome outcome = cairnwell::StoreCustomScoring(fields());
    reportRefusals(outcome.refusals, [this](CustomField field) { return boxOf(field); });
    if (outcome.timeBonusAccepted && m_form && m_form->StatusBar1)
        m_form->StatusBar1->setPanelText(1, cairnwell::BonusRoundStatusText());
    if (outcome.allAccepted())
        accept();
}
