#pragma once
// Spires' user options: the card value of a run, the bonus-round score, the high-run, tower and time
// bonuses and the count-down of bonuses. Shown modally between games ("&User Options..."). Each press
// of OK stores every field at once, a value out of bounds in its corrected form; the dialog closes
// only on an OK that corrected nothing, or on Cancel, which takes back nothing an OK stored.
#include "core/settings/UserOptionsDialog.h"
#include "games/spires/SpiresCustomScoring.h"

class QCheckBox;
class GameForm;

class frmSpiresCustom : public UserOptionsDialog {
    Q_OBJECT
public:
    // Form: the game window, whose status-bar panel 1 shows the bonus-round target after an OK (may be null).
    explicit frmSpiresCustom(GameForm* Form = nullptr);

    QGroupBox* frmScoringOptions;
    QLineEdit* txtCardValue;
    QLineEdit* txtBonusScore;
    QLineEdit* txtRunBonus;
    QLineEdit* txtCompletedTower;
    QLineEdit* txtTimeBonus;
    QCheckBox* chkCountDown;
    QLabel* lblInfo;

    void cmdOK_Click() override;
    void cmdDefault_Click() override;

private:
    void Form_Load();
    void showFields(const spires::CustomScoringFields& fields);
    QLineEdit* fieldOf(spires::CustomScoringField field) const;

    GameForm* m_form;
};
