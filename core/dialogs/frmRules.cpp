#include "core/dialogs/frmRules.h"

#include "core/window/GameForm.h"
#include "core/dialogs/RulesText.h"
#include "core/SuiteGlobals.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
constexpr int ClientWidth = 6150, ClientHeight = 4365;

// The Tallies text quotes the Take Score button of the Tallies window as it reads now.
QString talliesTakeScoreCaption()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* form = dynamic_cast<GameForm*>(w); form && form->IsForm("frmTallies") && form->cmdTakeScore)
            return form->cmdTakeScore->text();
    return QStringLiteral("&Take Score");
}
} // namespace

frmRules::frmRules(QWidget* parent) : QDialog(parent)
{
    using platform::setGeometryTw;
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(platform::toPixels(ClientWidth), platform::toPixels(ClientHeight));

    lblRules = new QPlainTextEdit(QStringLiteral("Text1"), this);
    setGeometryTw(lblRules, 90, 105, 5955, 3495);
    lblRules->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lblRules->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lblRules->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // For reading only: nothing can be typed or pasted into it, and the Return it leaves alone
    // reaches the dialog's default button.
    lblRules->setReadOnly(true);
    lblRules->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    setGeometryTw(cmdOK, 2475, 3780, 1215, 375);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmRules::cmdOK_Click);

    Form_Load();
}

void frmRules::Form_Load()
{
    platform::centreOnScreen(this);
    setWindowTitle(gGameTitle + QStringLiteral(" Rules, Notes and Strategy"));
    platform::setLeftTw(cmdOK, (platform::widthTw(this) - platform::widthTw(cmdOK)) / 2);
    // The text box keeps its lines apart by line feeds alone.
    if (const std::optional<QString> text = rulesText(gGameTitle, talliesTakeScoreCaption()))
        lblRules->setPlainText(QString(*text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void frmRules::cmdOK_Click() { accept(); }

void frmRules::showModal(QWidget* parent)
{
    frmRules dialog(parent);
    dialog.exec();
}
