#pragma once
// Stackjack's user options: bonus-round score, time-bonus multipliers, wait between rounds, passes
// per round and the count-down of a taken score. Shown modally between games ("&User Options...").
// Each field that passes its check is stored at once; the dialog closes on an OK that refuses nothing,
// or on Cancel, which takes back nothing an earlier OK stored.
#include "games/stackjack/StackjackCustomScoring.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class GameForm;

class frmStackjackCustomScoring : public QDialog {
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
    void showFields(const stackjack::CustomScoringFields& fields);
    stackjack::CustomScoringFields fields() const;
    QLineEdit* fieldOf(stackjack::CustomScoringField field) const;

    GameForm* m_form;
};
