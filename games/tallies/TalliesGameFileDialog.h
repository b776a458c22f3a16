#pragma once
// What the save and open dialogs of Tallies share: the toolkit's own file chooser, showing "*.tgm"
// files, with our captions, tips and an instruction label below it.
#include <QFileDialog>

class QLineEdit;

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

    // The chosen file: the file-name box's text as typed, in the folder shown unless it names its
    // own; empty when none.
    QString chosenFile() const { return m_chosen; }

protected:
    // The toolkit would read quotes in the box as a list of files and take the first: a saved game's
    // name is the whole text. A folder's name opens that folder; an empty box does nothing.
    void accept() override;
    // The instruction label below the chooser.
    platform::Label* infoLabel() const { return m_info; }
    // A row above the instruction for controls of the dialog's own.
    void addRow(QWidget* label, QWidget* field);
    void showEvent(QShowEvent* event) override;

private:
    platform::Label* m_info = nullptr;
    QLineEdit* m_name = nullptr;
    QString m_chosen;
    bool m_centred = false;
};
