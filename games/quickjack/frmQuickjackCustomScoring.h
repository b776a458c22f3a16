#pragma once
// Quickjack's user options: bonus-round score, the 21, cards-used, deck-completion and five-card
// bonuses, passes per round, the 21 Counter speed, the wait between rounds and the count-down of a
// taken score. Each value (or its clamp) is stored at once; the dialog closes on an OK that refuses
// nothing, or on Cancel, which takes back nothing an earlier OK stored.
#include "core/settings/UserOptionsDialog.h"
#include "games/quickjack/QuickjackCustomScoring.h"

class QCheckBox;
class QRadioButton;
class frmQuickjack;

class frmQuickjackCustomScoring : public UserOptionsDialog {
    Q_OBJECT
public:
    // Form: the game window, whose counter speed and status-bar panel 1 follow an OK (may be null).
    explicit frmQuickjackCustomScoring(frmQuickjack* Form = nullptr);

    QGroupBox* frmCustomScoring;
    QLineEdit* txtBonus;
    QLineEdit* txt21BonusValue;
    QLineEdit* txtCardsUsedBonus;
    QLineEdit* txtDeckCompletionBonus;
    QLineEdit* txtFiveCardGimmeBonus;
    QLineEdit* txtNumberOfCardsToPass;
    QLabel* lblSpeed;
    QRadioButton* optDefault;
    QRadioButton* optSlow;
    QRadioButton* optSlowest;
    QLineEdit* txtWaitPeriod;
    QCheckBox* chkCountScore;
    QLabel* lblInfo;

    void cmdOK_Click() override;
    void cmdDefault_Click() override;

private:
    void Form_Load();
    void showFields(const quickjack::CustomScoringFields& fields);
    quickjack::CustomScoringFields fields() const;
    QLineEdit* fieldOf(quickjack::CustomScoringField field) const;

    frmQuickjack* m_form;
};
