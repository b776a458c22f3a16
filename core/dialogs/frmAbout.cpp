#include "core/dialogs/frmAbout.h"

#include "core/SuiteGlobals.h"
#include "platform/Clock.h"
#include "platform/Colors.h"
#include "platform/Conversions.h"
#include "platform/Label.h"
#include "platform/Twips.h"

#include <QPushButton>

namespace {
constexpr int ClientWidth = 5055, ClientHeight = 2580;

QFont boldSmallFont(const QFont& base)
{
    QFont f = base;
    f.setPointSizeF(8.25);
    f.setBold(true);
    return f;
}
} // namespace

QString aboutCredits(const QString& gameTitle)
{
    return gameTitle + QStringLiteral(" is one of the seven timed card games of Corvanta's Parlour. "
                                      "Game design, programming, card art, sounds and music by Corvanta. "
                                      "Beat the clock, beat your best, and enjoy every deal!");
}

QString aboutSessionLine()
{
    const std::int64_t minutes = platform::minutesBetween(gStartTime, platform::now());
    return QStringLiteral("This session has lasted ") + QString::number(minutes) + QStringLiteral(" minutes.") +
           QStringLiteral("Thanks for playing!");
}

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    using platform::setGeometryTw;
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(platform::toPixels(ClientWidth), platform::toPixels(ClientHeight));

    lblInfo = new platform::Label(this);
    setGeometryTw(lblInfo, 45, 120, 4950, 1110);
    lblInfo->setForeColor(platform::ColorBlue);
    lblStats = new platform::Label(this);
    setGeometryTw(lblStats, 45, 1320, 4950, 540);
    lblStats->setForeColor(platform::ColorBlack);
    for (platform::Label* label : {lblInfo, lblStats}) {
        label->setFont(boldSmallFont(font()));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(true);
    }

    cmdCoolDude = new QPushButton(QStringLiteral("&Cool Dude"), this);
    setGeometryTw(cmdCoolDude, 1920, 1980, 1215, 375);
    cmdCoolDude->setDefault(true);
    connect(cmdCoolDude, &QPushButton::clicked, this, &frmAbout::cmdCoolDude_Click);

    Form_Load();
}

void frmAbout::Form_Load()
{
    platform::centreOnScreen(this);
    setWindowTitle(QStringLiteral("About ") + gGameTitle);
    lblInfo->setCaption(aboutCredits(gGameTitle));
    lblStats->setCaption(aboutSessionLine());
    platform::setLeftTw(cmdCoolDude, (platform::widthTw(this) - platform::widthTw(cmdCoolDude)) / 2);
    platform::setLeftTw(lblInfo, (platform::widthTw(this) - platform::widthTw(lblInfo)) / 2);
}

void frmAbout::cmdCoolDude_Click() { accept(); }

void frmAbout::showModal(QWidget* parent)
{
    frmAbout box(parent);
    box.exec();
}
