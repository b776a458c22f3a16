#pragma once
// Stackjack's user options: bonus-round score, time-bonus multipliers, wait between rounds, passes
// per round and the count-down of a taken score. Shown modally between games ("&User Options...").
// Each field that passes its check is stored at once; the dialog closes on an OK that refuses nothing,
// or on Cancel, which takes back nothing an earlier OK stored.
#include "core/settings/UserOptionsDialog.h"
#include "games/stackjack/StackjackCustomScoring.h"

class QCheckBox;
class GameForm;

class frmStackjackCustomScoring : public UserOptionsDialog {
    Q_OBJECT
public:
    // Form: the game window, whose status-bar panel 1 shows the bonus-round target after an OK
    // (may be null).
    explicit frmStackjackCustomScoring(GameForm* Form = nullptr);

    QGroupBox* frmCustomScoring;
    QLabel* lblBonus;
    QLineEdit* txtBonus;
    QLabel* lblMaxTimeBonus;
    QLineEdit* txtTimeBonusMax;
    QLabel* lblMinTimeBonus;
    QLineEdit* txtTimeBonusMin;
    QLabel* lblWaitPeriod;
    QLineEdit* txtWaitPeriod;
    QLabel* lblNumberOfCardsToPass;
    QLineEdit* txtNumberOfCardsToPass;
    QCheckBox* chkCountScore;
    QLabel* lblInfo;

    void cmdOK_Click() override;
    void cmdDefault_Click() override;

private:
    void Form_Load();
    void showFields(const stackjack::CustomScoringFields& fields);
    stackjack::CustomScoringFields fields() const;
    QLineEdit* fieldOf(stackjack::CustomScoringField field) const;

    GameForm* m_form;
};
