#include "games/cairnwell/frmCairnwellCustom.h"

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

using cairnwell::CustomField;
using cairnwell::CustomFields;

namespace {
constexpr int ClientWidth = 6300;
constexpr int ClientHeight = 5400;
} // namespace

frmCairnwellCustom::frmCairnwellCustom(GameForm* Form)
    : QDialog(Form ? Form->Form() : nullptr,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_form(Form)
{
    using platform::setGeometryTw;
    setModal(true);
    setFixedSize(platform::toPixels(ClientWidth), platform::toPixels(ClientHeight));

    frmScoringOptions = new QGroupBox(QStringLiteral("AppTitle Scoring Options"), this);
    setGeometryTw(frmScoringOptions, 120, 120, 6060, 3690);

    auto addRow = [this](int row, const char* name, const QString& caption) {
        const int top = 330 + row * 435;
        auto* label = new QLabel(caption, frmScoringOptions);
        setGeometryTw(label, 180, top, 3960, 315);
        auto* text = new QLineEdit(frmScoringOptions);
        text->setObjectName(QLatin1String(name));
        setGeometryTw(text, 4260, top, 1620, 315);
        text->installEventFilter(this);
        return text;
    };
    txtTripValue = addRow(0, "txtTripValue", QStringLiteral("Three of a kind bonus:"));
    txtRunValue = addRow(1, "txtRunValue", QStringLiteral("Run Bonus:"));
    txtDeckValue = addRow(2, "txtDeckValue", QStringLiteral("Deck Completion Bonus:"));
    txtFlushValue = addRow(3, "txtFlushValue", QStringLiteral("Flush Bonus:"));
    txtBonusRound = addRow(4, "txtBonusRound", QStringLiteral("Score Required for Bonus Round:"));
    txtPenaltyValue = addRow(5, "txtPenaltyValue", QStringLiteral("Penalty for left-over cards:"));
    txtTimeBonus = addRow(6, "txtTimeBonus", QStringLiteral("Time Bonus (points per second)"));

    chkCountDown = new QCheckBox(QStringLiteral("&Count Down when taking score"), frmScoringOptions);
    setGeometryTw(chkCountDown, 180, 3375, 4500, 255);

    lblInfo = new QLabel(QStringLiteral("Note: Changing any of the Scoring Options will cause your high scores to be "
                                        "marked with an * indicating custom scoring was in use."),
                         this);
    setGeometryTw(lblInfo, 120, 3930, 6060, 690);
    lblInfo->setWordWrap(true);
    lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    setGeometryTw(cmdOK, 480, 4800, 1335, 375);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    setGeometryTw(cmdCancel, 2482, 4800, 1335, 375);
    cmdCancel->setAutoDefault(false);
    cmdDefault = new QPushButton(QStringLiteral("&Default"), this);
    setGeometryTw(cmdDefault, 4485, 4800, 1335, 375);
    cmdDefault->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &frmCairnwellCustom::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmCairnwellCustom::cmdCancel_Click);
    connect(cmdDefault, &QPushButton::clicked, this, &frmCairnwellCustom::cmdDefault_Click);

    Form_Load();
}

void frmCairnwellCustom::Form_Load()
{
    platform::centreOnScreen(this);
    setWindowTitle(gGameTitle + QStringLiteral(" User Options"));
    showFields(cairnwell::CurrentCustomFields());
}

void frmCairnwellCustom::showFields(const CustomFields& f)
{
    txtTripValue->setText(f.trip);
    txtRunValue->setText(f.run);
    txtDeckValue->setText(f.deck);
    txtFlushValue->setText(f.flush);
    txtBonusRound->setText(f.bonusRound);
    txtPenaltyValue->setText(f.penalty);
    txtTimeBonus->setText(f.timeBonus);
    chkCountDown->setChecked(f.countDown);
}

CustomFields frmCairnwellCustom::fields() const
{
    CustomFields f;
    f.trip = txtTripValue->text();
    f.run = txtRunValue->text();
    f.deck = txtDeckValue->text();
    f.flush = txtFlushValue->text();
    f.bonusRound = txtBonusRound->text();
    f.penalty = txtPenaltyValue->text();
    f.timeBonus = txtTimeBonus->text();
    f.countDown = chkCountDown->isChecked();
    return f;
}

QLineEdit* frmCairnwellCustom::boxOf(CustomField field) const
{
    switch (field) {
    case CustomField::Trip: return txtTripValue;
    case CustomField::Run: return txtRunValue;
    case CustomField::Deck: return txtDeckValue;
    case CustomField::Flush: return txtFlushValue;
    case CustomField::BonusRound: return txtBonusRound;
    case CustomField::Penalty: return txtPenaltyValue;
    case CustomField::TimeBonus: break;
    }
    return txtTimeBonus;
}

void frmCairnwellCustom::cmdDefault_Click() { showFields(cairnwell::DefaultCustomFields()); }

void frmCairnwellCustom::cmdCancel_Click() { reject(); }

void frmCairnwellCustom::cmdOK_Click()
{
    const cairnwell::CustomOutcome outcome = cairnwell::StoreCustomScoring(fields());
    for (const cairnwell::CustomRefusal& refusal : outcome.refusals) {
        platform::MsgBox(refusal.message, platform::vbInformation, gGameTitle);
        QLineEdit* box = boxOf(refusal.field);
        box->setText(refusal.text);
        box->setFocus();
    }
    if (outcome.timeBonusAccepted && m_form && m_form->StatusBar1)
        m_form->StatusBar1->setPanelText(1, cairnwell::BonusRoundStatusText());
    if (outcome.allAccepted())
        accept();
}

bool frmCairnwellCustom::eventFilter(QObject* watched, QEvent* event)
{
    // Entering a box selects its whole text, so typing replaces it.
    if (event->type() == QEvent::FocusIn) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched)) {
            edit->selectAll();
            if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
                QTimer::singleShot(0, edit, &QLineEdit::selectAll);
        }
    }
    return QDialog::eventFilter(watched, event);
}
