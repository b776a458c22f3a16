#include "games/quickjack/frmQuickjackCustomScoring.h"

#include "core/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/quickjack/frmQuickjack.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Twips.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QValidator>

using quickjack::CustomScoringField;
using quickjack::CustomScoringFields;

namespace {

constexpr int ClientWidth = 6600;
constexpr int ClientHeight = 6300;

// Limits what can be typed, not what the program puts in: a stored 2.5 s wait still shows as "2.5".
class TypedLengthLimit : public QValidator {
public:
    TypedLengthLimit(int length, QObject* parent) : QValidator(parent), m_length(length) {}
    State validate(QString& input, int&) const override { return input.size() > m_length ? Invalid : Acceptable; }

private:
    int m_length;
};

} // namespace

frmQuickjackCustomScoring::frmQuickjackCustomScoring(frmQuickjack* Form)
    : QDialog(Form, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_form(Form)
{
    using platform::setGeometryTw;
    setModal(true);
    setFixedSize(platform::toPixels(ClientWidth), platform::toPixels(ClientHeight));

    frmCustomScoring = new QGroupBox(QStringLiteral("AppTitle Scoring Options"), this);
    setGeometryTw(frmCustomScoring, 120, 120, 6360, 4500);

    auto addRow = [this](int top, const QString& caption, const char* name) {
        auto* label = new QLabel(caption, frmCustomScoring);
        setGeometryTw(label, 180, top, 4200, 315);
        auto* text = new QLineEdit(frmCustomScoring);
        text->setObjectName(QLatin1String(name));
        setGeometryTw(text, 4500, top, 1620, 315);
        text->installEventFilter(this);
        label->setBuddy(text);
        return text;
    };
    txtBonus = addRow(300, QStringLiteral("Score required for Bonus:"), "txtBonus");
    txt21BonusValue = addRow(720, QStringLiteral("Twenty One Bonus Value:"), "txt21BonusValue");
    txtCardsUsedBonus = addRow(1140, QStringLiteral("Cards Used Bonus Value:"), "txtCardsUsedBonus");
    txtDeckCompletionBonus = addRow(1560, QStringLiteral("Deck Completion Bonus:"), "txtDeckCompletionBonus");
    txtFiveCardGimmeBonus = addRow(1980, QStringLiteral("Five Card Gimme Bonus:"), "txtFiveCardGimmeBonus");
    txtNumberOfCardsToPass =
        addRow(2400, QStringLiteral("Number of cards user may pass (0 - 10):"), "txtNumberOfCardsToPass");

    lblSpeed = new QLabel(QStringLiteral("21 Counter Speed:"), frmCustomScoring);
    setGeometryTw(lblSpeed, 180, 2820, 2000, 315);
    auto* speeds = new QButtonGroup(this);
    auto addOption = [this, speeds](int left, int top, int width, const QString& caption, const char* name) {
        auto* option = new QRadioButton(caption, frmCustomScoring);
        option->setObjectName(QLatin1String(name));
        setGeometryTw(option, left, top, width, 315);
        speeds->addButton(option);
        return option;
    };
    optDefault = addOption(2200, 2820, 1400, QStringLiteral("&Normal"), "optDefault");
    optSlow = addOption(3700, 2820, 1400, QStringLiteral("&Slow"), "optSlow");
    optSlowest = addOption(2200, 3135, 4100, QStringLiteral("&Any slower and it would be going backwards"), "optSlowest");

    txtWaitPeriod = addRow(3560, QStringLiteral("Seconds to wait between Rounds (0 - 10):"), "txtWaitPeriod");
    txtWaitPeriod->setValidator(new TypedLengthLimit(2, txtWaitPeriod));
    txtNumberOfCardsToPass->setValidator(new TypedLengthLimit(2, txtNumberOfCardsToPass));

    chkCountScore = new QCheckBox(QStringLiteral("Count down &when taking score"), frmCustomScoring);
    chkCountScore->setObjectName(QStringLiteral("chkCountScore"));
    setGeometryTw(chkCountScore, 180, 4000, 4500, 315);

    lblInfo = new QLabel(QStringLiteral("Note: Changing any of the Scoring Options will cause your high scores to be "
                                        "marked with an * indicating custom scoring was in use."),
                         this);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    setGeometryTw(lblInfo, 120, 4740, 6360, 780);
    lblInfo->setWordWrap(true);
    lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    setGeometryTw(cmdOK, 480, 5700, 1335, 375);
    cmdOK->setDefault(true);
    cmdDefault = new QPushButton(QStringLiteral("&Default"), this);
    setGeometryTw(cmdDefault, 2632, 5700, 1335, 375);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    setGeometryTw(cmdCancel, 4785, 5700, 1335, 375);
    connect(cmdOK, &QPushButton::clicked, this, &frmQuickjackCustomScoring::cmdOK_Click);
    connect(cmdDefault, &QPushButton::clicked, this, &frmQuickjackCustomScoring::cmdDefault_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmQuickjackCustomScoring::cmdCancel_Click);

    QWidget* order[] = {txtBonus, txt21BonusValue, txtCardsUsedBonus, txtDeckCompletionBonus, txtFiveCardGimmeBonus,
                        txtNumberOfCardsToPass, optDefault, optSlow, optSlowest, txtWaitPeriod, chkCountScore,
                        cmdOK, cmdDefault, cmdCancel};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    Form_Load();
}

void frmQuickjackCustomScoring::Form_Load()
{
    platform::centreOnScreen(this);
    setWindowTitle(gGameTitle + QStringLiteral(" User Options"));
    const int interval = m_form ? m_form->Timer3->interval() : gTimerSpeed;
    showFields(quickjack::CurrentCustomScoringFields(interval));
}

void frmQuickjackCustomScoring::showFields(const CustomScoringFields& f)
{
    txtBonus->setText(f.bonus);
    txt21BonusValue->setText(f.twentyOneBonus);
    txtCardsUsedBonus->setText(f.cardsUsedBonus);
    txtDeckCompletionBonus->setText(f.deckCompletionBonus);
    txtFiveCardGimmeBonus->setText(f.fiveCardsBonus);
    txtNumberOfCardsToPass->setText(f.cardsToPass);
    txtWaitPeriod->setText(f.waitPeriod);
    chkCountScore->setChecked(f.countDown);
    optDefault->setChecked(f.timerSpeed == 90);
    optSlow->setChecked(f.timerSpeed == 180);
    optSlowest->setChecked(f.timerSpeed == 360);
}

CustomScoringFields frmQuickjackCustomScoring::fields() const
{
    CustomScoringFields f;
    f.bonus = txtBonus->text();
    f.twentyOneBonus = txt21BonusValue->text();
    f.cardsUsedBonus = txtCardsUsedBonus->text();
    f.deckCompletionBonus = txtDeckCompletionBonus->text();
    f.fiveCardsBonus = txtFiveCardGimmeBonus->text();
    f.cardsToPass = txtNumberOfCardsToPass->text();
    f.waitPeriod = txtWaitPeriod->text();
    f.countDown = chkCountScore->isChecked();
    f.timerSpeed = optDefault->isChecked() ? 90 : optSlow->isChecked() ? 180 : optSlowest->isChecked() ? 360 : 0;
    return f;
}

QLineEdit* frmQuickjackCustomScoring::fieldOf(CustomScoringField field) const
{
    switch (field) {
    case CustomScoringField::CardsToPass:
        return txtNumberOfCardsToPass;
    case CustomScoringField::WaitPeriod:
        return txtWaitPeriod;
    case CustomScoringField::CardsUsedBonus:
        return txtCardsUsedBonus;
    case CustomScoringField::TwentyOneBonus:
        return txt21BonusValue;
    case CustomScoringField::DeckCompletionBonus:
        return txtDeckCompletionBonus;
    case CustomScoringField::FiveCardsBonus:
        return txtFiveCardGimmeBonus;
    case CustomScoringField::Bonus:
        break;
    }
    return txtBonus;
}

void frmQuickjackCustomScoring::cmdDefault_Click() { showFields(quickjack::DefaultCustomScoringFields()); }

void frmQuickjackCustomScoring::cmdCancel_Click() { reject(); }

void frmQuickjackCustomScoring::cmdOK_Click()
{
    const quickjack::CustomScoringOutcome outcome = quickjack::StoreCustomScoring(fields());
    if (outcome.timerSpeed && m_form)
        m_form->Timer3->setInterval(outcome.timerSpeed);
    for (const quickjack::CustomScoringRefusal& refusal : outcome.refusals) {
        platform::MsgBox(refusal.message, platform::vbInformation, gGameTitle);
        QLineEdit* field = fieldOf(refusal.field);
        field->setText(refusal.text);
        field->setFocus();
    }
    if (outcome.bonusAccepted && m_form && m_form->StatusBar1)
        m_form->StatusBar1->setPanelText(1, quickjack::BonusRoundStatusText());
    if (outcome.allAccepted())
        accept();
}

bool frmQuickjackCustomScoring::eventFilter(QObject* watched, QEvent* event)
{
    // Entering a field selects its whole text, so typing replaces it.
    if (event->type() == QEvent::FocusIn) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched)) {
            edit->selectAll();
            // A click places the cursor after the focus arrives; select once it has.
            if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
                QTimer::singleShot(0, edit, &QLineEdit::selectAll);
        }
    }
    return QDialog::eventFilter(watched, event);
}
