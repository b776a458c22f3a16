#pragma once
// "Open Game": which saved game to replay.
#include "games/tallies/TalliesGameFileDialog.h"

class frmOpen : public TalliesGameFileDialog {
    Q_OBJECT
public:
    explicit frmOpen(QWidget* parent = nullptr);

    platform::Label* lblOpenInfo;
};
