#pragma once
// What the save and open dialogs of Tallies share: the toolkit's own file chooser, showing "*.tgm"
// files, with our captions, tips and an instruction label below it.
#include <QFileDialog>

namespace platform {
class Label;
}

class TalliesGameFileDialog : public QFileDialog {
    Q_OBJECT
public:
    struct Texts {
        QString caption;
        QString fileLabel;
        QString fileTip;
        QString okTip;
        QString cancelTip;
        QString info;
    };
    TalliesGameFileDialog(AcceptMode mode, const Texts& texts, QWidget* parent);

    // The chosen file; empty when none.
    QString chosenFile() const;

protected:
    // The instruction label below the chooser.
    platform::Label* infoLabel() const { return m_info; }
    // A row above the instruction for controls of the dialog's own.
    void addRow(QWidget* label, QWidget* field);
    void showEvent(QShowEvent* event) override;

private:
    platform::Label* m_info = nullptr;
    bool m_centred = false;
};
