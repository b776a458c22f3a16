#pragma once
// Gridhand's user options: the nine hand values, the bonus-round score, the overwrites per round, the
// time bonus and the count-down of a round's points. Shown modally between games ("&User Options...").
// Each field that passes its check is stored at once, a refused one stores its stand-in value; the
// dialog closes on an OK that refuses nothing, or on Cancel.
#include "core/settings/UserOptionsDialog.h"
#include "games/gridhand/GridhandCustomScoring.h"

#include <array>

class QCheckBox;
class GameForm;

class frmGridhandCustom : public UserOptionsDialog {
    Q_OBJECT
public:
    // Form: the game window, whose status-bar panel 1 shows the bonus-round target (may be null).
    explicit frmGridhandCustom(GameForm* Form = nullptr);

    QGroupBox* frmScoringOptions;
    QLabel* lblPairScore;
    QLineEdit* txtPairScore;
    QLabel* lbl2PairScore;
    QLineEdit* txt2PairScore;
    QLabel* lbl3ofakindScore;
    QLineEdit* txt3ofakindScore;
    QLabel* lblStraightScore;
    QLineEdit* txtStraightScore;
    QLabel* lblFlushScore;
    QLineEdit* txtFlushScore;
    QLabel* lblFullHouseScore;
    QLineEdit* txtFullHouseScore;
    QLabel* lbl4ofakindScore;
    QLineEdit* txt4ofakindScore;
    QLabel* lblStFlushScore;
    QLineEdit* txtStFlushScore;
    QLabel* lblRoyalFlushScore;
    QLineEdit* txtRoyalFlushScore;
    QLabel* lblBonusScore;
    QLineEdit* txtBonusScore;
    QLabel* lblOverWrites;
    QLineEdit* txtOverWrites;
    QLabel* lblTimeBonus;
    QLineEdit* txtTimeBonus;
    QCheckBox* chkCountDown;
    QLabel* lblInfo;

    // The text box of each field, in the order OK checks them.
    QLineEdit* textBox(gridhand::CustomField field) const { return m_boxes[std::size_t(field)]; }

    void cmdOK_Click() override;
    void cmdDefault_Click() override;

private:
    void Form_Load();
    void showFields(const gridhand::CustomScoringFields& fields);

    GameForm* m_form;
    std::array<QLineEdit*, gridhand::CustomFieldCount> m_boxes{};
};
