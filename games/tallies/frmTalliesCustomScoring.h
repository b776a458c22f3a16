#pragma once
// The dialog that replaces the four Tallies scoring values between games. OK stores them (and marks
// scores made with anything but the defaults); Cancel changes nothing.
#include "core/settings/UserOptionsDialog.h"

class QGroupBox;
class QLineEdit;
namespace platform {
class Label;
class StatusBar;
}

class frmTalliesCustomScoring : public UserOptionsDialog {
    Q_OBJECT
public:
    // statusBar: the game window's, whose first panel shows the new bonus-round score; may be null.
    explicit frmTalliesCustomScoring(platform::StatusBar* statusBar, QWidget* parent = nullptr);

    QGroupBox* fraScoring;
    platform::Label* lblBouns;
    platform::Label* lblCompletion;
    platform::Label* lblTalliesBonus;
    platform::Label* lblTimeBonus;
    platform::Label* lblCustom;
    QLineEdit* txtBonus;
    QLineEdit* txtCompletion;
    QLineEdit* txtTalliesBonus;
    QLineEdit* txtTimeBonus;

    void cmdOK_Click() override;
    void cmdDefault_Click() override;

private:
    void Form_Load();

    platform::StatusBar* m_statusBar;
};
