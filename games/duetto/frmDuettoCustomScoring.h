#pragma once
// Duetto's user options: the pairs, runs, bonus-round, completion and time-bonus values and the
// count-down of bonuses. Shown modally between games ("&User Options..."). Every OK stores all five
// values (a value out of bounds as its bound, with a message); the dialog closes on an OK that
// refuses nothing, or on Cancel, which takes back nothing an earlier OK stored.
#include "core/settings/UserOptionsDialog.h"
#include "games/duetto/DuettoCustomScoring.h"

class QCheckBox;
class frmDuetto;

class frmDuettoCustomScoring : public UserOptionsDialog {
    Q_OBJECT
public:
    // Form: the game window whose pairs and runs captions and status panel 1 follow an OK (may be null).
    explicit frmDuettoCustomScoring(frmDuetto* Form = nullptr);

    QGroupBox* fraScoring;
    QLabel* lblPairsBonus;
    QLineEdit* txtPairsBonus;
    QLabel* lblRunsBonus;
    QLineEdit* txtRunsBonus;
    QLabel* lblBonusRound;
    QLineEdit* txtBonusRound;
    QLabel* lblCompletionBonus;
    QLineEdit* txtCompletionBonus;
    QLabel* lblTimeBonus;
    QLineEdit* txtTimeBonus;
    QCheckBox* chkCountDown;
    QLabel* lblInfo;

    void cmdOK_Click() override;
    void cmdDefault_Click() override;

private:
    void Form_Load();
    void showFields(const duetto::CustomScoringFields& fields);
    duetto::CustomScoringFields fields() const;
    QLineEdit* fieldOf(duetto::CustomScoringField field) const;

    frmDuetto* m_form;
};
