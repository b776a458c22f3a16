#pragma once
// Cairnwell's user options: the seven scoring values and the count-down of bonuses. Shown modally
// between games ("&User Options..."). Each field is stored the moment OK checks it; the dialog
// closes on an OK that refuses nothing, or on Cancel, which takes back nothing an earlier OK stored.
#include "core/settings/UserOptionsDialog.h"
#include "games/cairnwell/CairnwellCustomScoring.h"

class QCheckBox;
class GameForm;

class frmCairnwellCustom : public UserOptionsDialog {
    Q_OBJECT
public:
    // Form: the game window, whose status-bar panel 1 shows the bonus-round target after an OK (may be null).
    explicit frmCairnwellCustom(GameForm* Form = nullptr);

    QGroupBox* frmScoringOptions;
    QLineEdit* txtTripValue;
    QLineEdit* txtRunValue;
    QLineEdit* txtDeckValue;
    QLineEdit* txtFlushValue;
    QLineEdit* txtBonusRound;
    QLineEdit* txtPenaltyValue;
    QLineEdit* txtTimeBonus;
    QCheckBox* chkCountDown;
    QLabel* lblInfo;

    void cmdOK_Click() override;
    void cmdDefault_Click() override;

private:
    void Form_Load();
    void showFields(const cairnwell::CustomFields& fields);
    cairnwell::CustomFields fields() const;
    QLineEdit* boxOf(cairnwell::CustomField field) const;

    GameForm* m_form;
};
