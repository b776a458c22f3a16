#pragma once
// Spires' user options: the card value of a run, the bonus-round score, the high-run, tower and time
// bonuses and the count-down of bonuses. Shown modally between games ("&User Options..."). Each press
// of OK stores every field at once, a value out of bounds in its corrected form; the dialog closes
// only on an OK that corrected nothing, or on Cancel, which takes back nothing an OK stored.
#include "games/spires/SpiresCustomScoring.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class GameForm;

class frmSpiresCustom : public QDialog {
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
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QPushButton* cmdDefault;

    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdDefault_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void showFields(const spires::CustomScoringFields& fields);
    QLineEdit* fieldOf(spires::CustomScoringField field) const;

    GameForm* m_form;
};
