#include "games/stackjack/frmStackjackCustomScoring.h"

#include "core/GameForm.h"
#include "core/SuiteGlobals.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QValidator>

using stackjack::CustomScoringField;
using stackjack::CustomScoringFields;

namespace {

constexpr int ClientWidth = 6300;
constexpr int ClientHeight = 4620;

// Limits what can be typed, not what the program puts in: a stored 1.5 s wait still shows as "1.5".
class TypedLengthLimit : public QValidator {
public:
    TypedLengthLimit(int length, QObject* parent) : QValidator(parent), m_length(length) {}
    State validate(QString& input, int&) const override { return input.size() > m_length ? Invalid : Acceptable; }

private:
    int m_length;
};

} // namespace

frmStackjackCustomScoring::frmStackjackCustomScoring(GameForm* Form)
    : QDialog(Form ? Form->Form() : nullptr,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_form(Form)
{
    using platform::setGeometryTw;
    setModal(true);
    setFixedSize(platform::toPixels(ClientWidth), platform::toPixels(ClientHeight));

    frmCustomScoring = new QGroupBox(QStringLiteral("Apptitle Scoring options"), this);
    setGeometryTw(frmCustomScoring, 120, 120, 6060, 2850);

    auto addRow = [this](int row, const QString& caption, QLabel*& label, QLineEdit*& text) {
        const int top = 300 + row * 435;
        label = new QLabel(caption, frmCustomScoring);
        setGeometryTw(label, 180, top, 3960, 315);
        text = new QLineEdit(frmCustomScoring);
        setGeometryTw(text, 4260, top, 1620, 315);
        text->installEventFilter(this);
    };
    addRow(0, QStringLiteral("Score required for Bonus:"), lblBonus, txtBonus);
    addRow(1, QStringLiteral("Maximum Time Bonus value:"), lblMaxTimeBonus, txtTimeBonusMax);
    addRow(2, QStringLiteral("Minimum Time Bonus value:"), lblMinTimeBonus, txtTimeBonusMin);
    addRow(3, QStringLiteral("Seconds to wait between Rounds (0 - 10):"), lblWaitPeriod, txtWaitPeriod);
    addRow(4, QStringLiteral("Number of cards user may pass (0 - 10):"), lblNumberOfCardsToPass,
           txtNumberOfCardsToPass);
    txtWaitPeriod->setValidator(new TypedLengthLimit(2, txtWaitPeriod));
    txtNumberOfCardsToPass->setValidator(new TypedLengthLimit(2, txtNumberOfCardsToPass));

    chkCountScore = new QCheckBox(QStringLiteral("Count down &when taking score"), frmCustomScoring);
    setGeometryTw(chkCountScore, 180, 2430, 4500, 315);

    lblInfo = new QLabel(QStringLiteral("Note: Changing any of the Scoring Options or the number of cards a user may "
                                        "pass will cause your high scores to be marked with an * indicating custom "
                                        "scoring was in use."),
                         this);
    setGeometryTw(lblInfo, 120, 3075, 6060, 840);
    lblInfo->setWordWrap(true);
    lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    setGeometryTw(cmdOK, 480, 4080, 1335, 375);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    setGeometryTw(cmdCancel, 2482, 4080, 1335, 375);
    cmdDefault = new QPushButton(QStringLiteral("&Default"), this);
    setGeometryTw(cmdDefault, 4485, 4080, 1335, 375);
    connect(cmdOK, &QPushButton::clicked, this, &frmStackjackCustomScoring::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmStackjackCustomScoring::cmdCancel_Click);
    connect(cmdDefault, &QPushButton::clicked, this, &frmStackjackCustomScoring::cmdDefault_Click);

    Form_Load();
}

void frmStackjackCustomScoring::Form_Load()
{
    platform::centreOnScreen(this);
    showFields(stackjack::CurrentCustomScoringFields());
    setWindowTitle(gGameTitle + QStringLiteral(" User Options"));
}

void frmStackjackCustomScoring::showFields(const CustomScoringFields& f)
{
    txtBonus->setText(f.bonus);
    txtTimeBonusMax->setText(f.timeBonusMax);
    txtTimeBonusMin->setText(f.timeBonusMin);
    txtWaitPeriod->setText(f.waitPeriod);
    txtNumberOfCardsToPass->setText(f.cardsToPass);
    chkCountScore->setChecked(f.countDown);
}

CustomScoringFields frmStackjackCustomScoring::fields() const
{
    CustomScoringFields f;
    f.bonus = txtBonus->text();
    f.timeBonusMax = txtTimeBonusMax->text();
    f.timeBonusMin = txtTimeBonusMin->text();
    f.waitPeriod = txtWaitPeriod->text();
    f.cardsToPass = txtNumberOfCardsToPass->text();
    f.countDown = chkCountScore->isChecked();
    return f;
}

QLineEdit* frmStackjackCustomScoring::fieldOf(CustomScoringField field) const
{
    switch (field) {
    case CustomScoringField::CardsToPass:
        return txtNumberOfCardsToPass;
    case CustomScoringField::WaitPeriod:
        return txtWaitPeriod;
    case CustomScoringField::Bonus:
        return txtBonus;
    case CustomScoringField::TimeBonusMax:
        return txtTimeBonusMax;
    case CustomScoringField::TimeBonusMin:
        break;
    }
    return txtTimeBonusMin;
}

void frmStackjackCustomScoring::cmdDefault_Click() { showFields(stackjack::DefaultCustomScoringFields()); }

void frmStackjackCustomScoring::cmdCancel_Click() { reject(); }

void frmStackjackCustomScoring::cmdOK_Click()
{
    const stackjack::CustomScoringOutcome outcome = stackjack::StoreCustomScoring(fields());
    for (const stackjack::CustomScoringRefusal& refusal : outcome.refusals) {
        platform::MsgBox(refusal.message, platform::vbInformation, gGameTitle);
        QLineEdit* field = fieldOf(refusal.field);
        field->setText(refusal.text);
        field->setFocus();
    }
    if (outcome.minimumAccepted && m_form && m_form->StatusBar1)
        m_form->StatusBar1->setPanelText(1, stackjack::BonusRoundStatusText());
    if (outcome.allAccepted())
        accept();
}

bool frmStackjackCustomScoring::eventFilter(QObject* watched, QEvent* event)
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
