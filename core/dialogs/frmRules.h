#pragma once
// The rules, notes and strategy of the game that gGameTitle names, with the values in force now.
#include <QDialog>

class QPlainTextEdit;
class QPushButton;

class frmRules : public QDialog {
    Q_OBJECT
public:
    explicit frmRules(QWidget* parent = nullptr);

    // Shows a fresh dialog modally over parent.
    static void showModal(QWidget* parent);

    QPlainTextEdit* lblRules;
    QPushButton* cmdOK;

    void cmdOK_Click();

private:
    void Form_Load();
};
