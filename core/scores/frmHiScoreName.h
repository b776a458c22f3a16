#pragma once
// The prompt for the name of a new high-score entry; its result is left in gPlayerName.
#include <QDialog>

class QLineEdit;
class QPushButton;
namespace platform {
class Label;
}

class frmHiScoreName : public QDialog {
    Q_OBJECT
public:
    explicit frmHiScoreName(QWidget* parent = nullptr);

    platform::Label* lblInfo;
    QLineEdit* lblPlayerName;
    QPushButton* cmdOK;

    void cmdOK_Click();

    // Closed without OK (window close, Escape): entered like an empty name rather than under a stale one.
    void reject() override;

private:
    void Form_Load();
};
