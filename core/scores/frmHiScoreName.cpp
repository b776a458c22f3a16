#include "core/scores/frmHiScoreName.h"

#include "core/SuiteGlobals.h"
#include "platform/Colors.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/Pointer.h"
#include "platform/Twips.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int ClientWidth = 5505;
constexpr int ClientHeight = 1770;
} // namespace

frmHiScoreName::frmHiScoreName(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    using platform::setGeometryTw;
    setModal(true);
    setFixedSize(platform::toPixels(ClientWidth), platform::toPixels(ClientHeight));

    lblInfo = new platform::Label(this);
    setGeometryTw(lblInfo, 60, 120, 5370, 645);
    lblInfo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblInfo->setWordWrap(true);
    lblInfo->setForeColor(platform::ColorBlue);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    lblInfo->setFont(font);

    lblPlayerName = new QLineEdit(this);
    setGeometryTw(lblPlayerName, 105, 840, 5295, 345);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    setGeometryTw(cmdOK, 2085, 1290, 1335, 375);
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmHiScoreName::cmdOK_Click);

    Form_Load();
}

void frmHiScoreName::Form_Load()
{
    platform::centreOnScreen(this);
    setWindowTitle(gGameTitle);
    lblInfo->setCaption(QStringLiteral("Great score! Please enter your name so we can induct you into the ") + gGameTitle +
                        QStringLiteral(" Hall of Fame:"));
    platform::setMousePointer(this, platform::MousePointer::Default);
    lblPlayerName->setFocus();
}

void frmHiScoreName::cmdOK_Click()
{
    const QString typed = lblPlayerName->text();
    // The table separates name and score with a comma.
    if (typed.contains(QLatin1Char(','))) {
        platform::MsgBox(QStringLiteral("Sorry, you may not use commas in your name."), platform::vbCritical, gGameTitle);
        return;
    }
    gPlayerName = typed.isEmpty() ? QStringLiteral("Unknown User") : typed;
    accept();
}

void frmHiScoreName::reject()
{
    gPlayerName = QStringLiteral("Unknown User");
    QDialog::reject();
}
