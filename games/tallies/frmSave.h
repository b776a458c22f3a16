#pragma once
// "Save Game": where to save the last game played, and the player's name to keep with it.
#include "games/tallies/TalliesGameFileDialog.h"

class QLineEdit;

class frmSave : public TalliesGameFileDialog {
    Q_OBJECT
public:
    explicit frmSave(QWidget* parent = nullptr);

    QLineEdit* txtUserName;
    platform::Label* lblSaveInfo;
};
