#include "core/settings/UserOptionsDialog.h"

#include "core/SuiteGlobals.h"
#include "platform/FitText.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QValidator>

namespace {

class TypedLengthLimit : public QValidator {
public:
    TypedLengthLimit(int length, QObject* parent) : QValidator(parent), m_length(length) {}
    State validate(QString& input, int&) const override { return input.size() > m_length ? Invalid : Acceptable; }

private:
    int m_length;
};

} // namespace

UserOptionsDialog::UserOptionsDialog(QWidget* parent, int clientWidthTw, int clientHeightTw)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setModal(true);
    setFixedSize(platform::toPixels(clientWidthTw), platform::toPixels(clientHeightTw));
}

void UserOptionsDialog::cmdCancel_Click() { reject(); }

QGroupBox* UserOptionsDialog::addFrame(const QString& caption, Place place)
{
    auto* frame = new QGroupBox(caption, this);
    platform::setGeometryTw(frame, place.left, place.top, place.width, place.height);
    return frame;
}

QLabel* UserOptionsDialog::addCaption(QWidget* frame, const QString& caption, Place place)
{
    auto* label = new QLabel(caption, frame);
    platform::setGeometryTw(label, place.left, place.top, place.width, place.height);
    return label;
}

QLineEdit* UserOptionsDialog::addNumberBox(QWidget* frame, Place place, const char* name)
{
    auto* box = new QLineEdit(frame);
    if (name)
        box->setObjectName(QLatin1String(name));
    platform::setGeometryTw(box, place.left, place.top, place.width, place.height);
    box->installEventFilter(this);
    return box;
}

void UserOptionsDialog::limitTypedLength(QLineEdit* box, int length)
{
    box->setValidator(new TypedLengthLimit(length, box));
}

QLabel* UserOptionsDialog::addNote(const QString& text, Place place, const char* name)
{
    auto* note = new QLabel(text, this);
    if (name)
        note->setObjectName(QLatin1String(name));
    platform::setGeometryTw(note, place.left, place.top, place.width, place.height);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return note;
}

QPushButton* UserOptionsDialog::addButton(const QString& caption, int left, const ButtonRow& row)
{
    auto* button = new QPushButton(caption, this);
    platform::setGeometryTw(button, left, row.top, row.width, 375);
    return button;
}

void UserOptionsDialog::addButtons(const ButtonRow& row)
{
    cmdOK = addButton(QStringLiteral("&OK"), row.okLeft, row);
    cmdOK->setDefault(true);
    if (row.defaultBeforeCancel) {
        cmdDefault = addButton(QStringLiteral("&Default"), row.defaultLeft, row);
        cmdCancel = addButton(QStringLiteral("&Cancel"), row.cancelLeft, row);
    } else {
        cmdCancel = addButton(QStringLiteral("&Cancel"), row.cancelLeft, row);
        cmdDefault = addButton(QStringLiteral("&Default"), row.defaultLeft, row);
    }
    if (row.onlyOkAutoDefault) {
        cmdOK->setAutoDefault(true);
        cmdCancel->setAutoDefault(false);
        cmdDefault->setAutoDefault(false);
    }
    // Through lambdas, so the games' overrides are called.
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(cmdDefault, &QPushButton::clicked, this, [this] { cmdDefault_Click(); });
}

void UserOptionsDialog::setTabChain(const std::vector<QWidget*>& order)
{
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void UserOptionsDialog::openCentred()
{
    platform::fitTexts(this);
    platform::centreOnScreen(this);
    setWindowTitle(gGameTitle + QStringLiteral(" User Options"));
}

void UserOptionsDialog::reportRefusal(const QString& message, QLineEdit* box, const QString& text)
{
    platform::MsgBox(message, platform::vbInformation, gGameTitle);
    box->setText(text);
    box->setFocus();
}

bool UserOptionsDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Entering a box selects its whole text, so typing replaces it.
    if (event->type() == QEvent::FocusIn) {
        if (auto* box = qobject_cast<QLineEdit*>(watched)) {
            box->selectAll();
            if (m_reselectAfterClick && static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
                QTimer::singleShot(0, box, &QLineEdit::selectAll);
        }
    }
    return QDialog::eventFilter(watched, event);
}
