#pragma once
// The about box of the game that gGameTitle names: credits, and how long its window has been open.
#include <QDialog>

class QPushButton;
namespace platform {
class Label;
}

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    // Shows a fresh box modally over parent.
    static void showModal(QWidget* parent);

    platform::Label* lblInfo;
    platform::Label* lblStats;
    QPushButton* cmdCoolDude;

    void cmdCoolDude_Click();

private:
    void Form_Load();
};

// The credits paragraph; it begins with the game's title.
QString aboutCredits(const QString& gameTitle);
// "This session has lasted N minutes.Thanks for playing!", N the minute boundaries since gStartTime.
QString aboutSessionLine();
