#include "games/duetto/frmDuettoCustomScoring.h"

#include "core/SuiteGlobals.h"
#include "games/duetto/frmDuetto.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <exception>

using duetto::CustomScoringField;
using duetto::CustomScoringFields;

namespace {
constexpr int ClientWidth = 6150;
constexpr int ClientHeight = 4500;
} // namespace

frmDuettoCustomScoring::frmDuettoCustomScoring(frmDuetto* Form)
    : UserOptionsDialog(Form, ClientWidth, ClientHeight), m_form(Form)
{
    setObjectName(QStringLiteral("frmDuettoCustomScoring"));

    fraScoring = addFrame(QStringLiteral("AppTitle Scoring Options"), {120, 120, 5910, 2760});

    auto addRow = [this](int row, const QString& caption, QLabel*& label, QLineEdit*& text, const char* name) {
        const int top = 330 + row * 435;
        label = addCaption(fraScoring, caption, {180, top, 3900, 315});
        text = addNumberBox(fraScoring, {4200, top, 1500, 315}, name);
    };
    addRow(0, QStringLiteral("Pairs Bonus Value:"), lblPairsBonus, txtPairsBonus, "txtPairsBonus");
    addRow(1, QStringLiteral("Runs Bonus Value"), lblRunsBonus, txtRunsBonus, "txtRunsBonus");
    addRow(2, QStringLiteral("Score required for Bonus Round:"), lblBonusRound, txtBonusRound, "txtBonusRound");
    addRow(3, QStringLiteral("Bonus for completing upper cards: "), lblCompletionBonus, txtCompletionBonus,
           "txtCompletionBonus");
    addRow(4, QStringLiteral("Time Bonus (points per second)"), lblTimeBonus, txtTimeBonus, "txtTimeBonus");

    chkCountDown = new QCheckBox(QStringLiteral("&Count Down when taking score"), fraScoring);
    chkCountDown->setObjectName(QStringLiteral("chkCountDown"));
    platform::setGeometryTw(chkCountDown, 180, 2520 - 120, 4500, 315);

    lblInfo = addNote(QStringLiteral("Note: Changing any of the Scoring Options will cause your high scores to be "
                                     "marked with an * indicating custom scoring was in use."),
                      {120, 2970, 5910, 840}, "lblInfo");
    addButtons({.top = 3945,
                .width = 1335,
                .okLeft = 420,
                .cancelLeft = 4395,
                .defaultLeft = 2407,
                .defaultBeforeCancel = true});
    setTabChain({txtPairsBonus, txtRunsBonus, txtBonusRound, txtCompletionBonus, txtTimeBonus, chkCountDown, cmdOK,
                 cmdDefault, cmdCancel});

    Form_Load();
}

void frmDuettoCustomScoring::Form_Load()
{
    openCentred();
    showFields(duetto::CurrentCustomScoringFields());
}

void frmDuettoCustomScoring::showFields(const CustomScoringFields& f)
{
    txtPairsBonus->setText(f.pairsBonus);
    txtRunsBonus->setText(f.runsBonus);
    txtBonusRound->setText(f.bonusRound);
    txtCompletionBonus->setText(f.completionBonus);
    txtTimeBonus->setText(f.timeBonus);
    chkCountDown->setChecked(f.countDown);
}

CustomScoringFields frmDuettoCustomScoring::fields() const
{
    CustomScoringFields f;
    f.pairsBonus = txtPairsBonus->text();
    f.runsBonus = txtRunsBonus->text();
    f.bonusRound = txtBonusRound->text();
    f.completionBonus = txtCompletionBonus->text();
    f.timeBonus = txtTimeBonus->text();
    f.countDown = chkCountDown->isChecked();
    return f;
}

QLineEdit* frmDuettoCustomScoring::fieldOf(CustomScoringField field) const
{
    switch (field) {
    case CustomScoringField::PairsBonus: return txtPairsBonus;
    case CustomScoringField::RunsBonus: return txtRunsBonus;
    case CustomScoringField::BonusRound: return txtBonusRound;
    case CustomScoringField::CompletionBonus: return txtCompletionBonus;
    case CustomScoringField::TimeBonus: break;
    }
    return txtTimeBonus;
}

void frmDuettoCustomScoring::cmdDefault_Click() { showFields(duetto::DefaultCustomScoringFields()); }

void frmDuettoCustomScoring::cmdOK_Click()
{
    bool allPassed = true;
    try {
        const duetto::CustomScoringOutcome outcome = duetto::StoreCustomScoring(fields());
        reportRefusals(outcome.refusals, [this](CustomScoringField field) { return fieldOf(field); });
        allPassed = outcome.allAccepted();
        if (m_form) {
            m_form->lblPairs->setCaption(duetto::PairsCaption());
            m_form->lblRuns->setCaption(duetto::RunsCaption());
            m_form->StatusBar1->setPanelText(1, duetto::BonusRoundStatusText());
        }
    } catch (const std::exception& e) {
        platform::MsgBox(QString::fromLocal8Bit(e.what()), platform::vbExclamation, gGameTitle);
    }
    if (allPassed)
        accept();
}
