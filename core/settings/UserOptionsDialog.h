#pragma once
// The frame every game's user-options dialog shares: a fixed-size modal window with a group of
// number boxes that select their text on entry, a note, OK / Cancel / Default, and the reporting of
// refused entries. Each game supplies its fields, their bounds and messages, and its store step.
#include <QDialog>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class UserOptionsDialog : public QDialog {
    Q_OBJECT
public:
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdDefault = nullptr;

    virtual void cmdOK_Click() = 0;
    virtual void cmdCancel_Click();
    virtual void cmdDefault_Click() = 0;

protected:
    // A place in twips, relative to the control's parent.
    struct Place {
        int left, top, width, height;
    };
    // Where the buttons go; they are made (and so tabbed) in the order OK, Cancel, Default unless
    // defaultBeforeCancel.
    struct ButtonRow {
        int top;
        int width;
        int okLeft, cancelLeft, defaultLeft;
        bool defaultBeforeCancel = false;
        bool onlyOkAutoDefault = false; // Enter in the boxes always means OK
    };

    UserOptionsDialog(QWidget* parent, int clientWidthTw, int clientHeightTw);

    QGroupBox* addFrame(const QString& caption, Place place);
    QLabel* addCaption(QWidget* frame, const QString& caption, Place place);
    // A number box that selects its whole text on entry; name, when given, is its object name.
    QLineEdit* addNumberBox(QWidget* frame, Place place, const char* name = nullptr);
    // Limits what can be typed, not what the program puts in: a stored 1.5 s wait still shows as "1.5".
    static void limitTypedLength(QLineEdit* box, int length);
    // The word-wrapped note on custom scoring below the frame.
    QLabel* addNote(const QString& text, Place place, const char* name = nullptr);
    void addButtons(const ButtonRow& row);
    // Tabbing follows the given order.
    void setTabChain(const std::vector<QWidget*>& order);

    // Centres the window and titles it "<game> User Options".
    void openCentred();

    // One refused entry: its message (information, titled with the game), its corrected text, focus.
    void reportRefusal(const QString& message, QLineEdit* box, const QString& text);
    template <class Refusals, class BoxOf>
    void reportRefusals(const Refusals& refusals, BoxOf boxOf)
    {
        for (const auto& refusal : refusals)
            reportRefusal(refusal.message, boxOf(refusal.field), refusal.text);
    }

    // A click places the cursor after the focus arrives, undoing the selection; by default the text
    // is selected again once it has.
    void setReselectAfterClick(bool reselect) { m_reselectAfterClick = reselect; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* addButton(const QString& caption, int left, const ButtonRow& row);

    bool m_reselectAfterClick = true;
};
