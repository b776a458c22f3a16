#include "games/spires/frmSpiresCustom.h"

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

using spires::CustomScoringField;
using spires::CustomScoringFields;

namespace {
constexpr int ClientWidth = 7200;
constexpr int ClientHeight = 4500;
} // namespace

frmSpiresCustom::frmSpiresCustom(GameForm* Form)
    : QDialog(Form ? Form->Form() : nullptr,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_form(Form)
{
    using platform::setGeometryTw;
    setModal(true);
    setFixedSize(platform::toPixels(ClientWidth), platform::toPixels(ClientHeight));

    frmScoringOptions = new QGroupBox(QStringLiteral("AppTitle Scoring Options"), this);
    setGeometryTw(frmScoringOptions, 120, 120, 6960, 2850);

    auto addRow = [this](int row, const QString& caption) {
        const int top = 330 + row * 435;
        auto* label = new QLabel(caption, frmScoringOptions);
        label->setWordWrap(true);
        setGeometryTw(label, 180, top - 60, 5160, 435);
        auto* text = new QLineEdit(frmScoringOptions);
        setGeometryTw(text, 5460, top, 1320, 315);
        text->installEventFilter(this);
        return text;
    };
    txtCardValue = addRow(0, QStringLiteral("When creating runs, each additional card increments card value by:"));
    txtBonusScore = addRow(1, QStringLiteral("Score required for bonus round:"));
    txtRunBonus = addRow(2, QStringLiteral("High Run bonus (per card):"));
    txtCompletedTower = addRow(3, QStringLiteral("Bonus for completing each tower"));
    txtTimeBonus = addRow(4, QStringLiteral("Time Bonus (points per second)"));
    txtCardValue->setObjectName(QStringLiteral("txtCardValue"));
    txtBonusScore->setObjectName(QStringLiteral("txtBonusScore"));
    txtRunBonus->setObjectName(QStringLiteral("txtRunBonus"));
    txtCompletedTower->setObjectName(QStringLiteral("txtCompletedTower"));
    txtTimeBonus->setObjectName(QStringLiteral("txtTimeBonus"));

    chkCountDown = new QCheckBox(QStringLiteral("&Count Down when taking score"), frmScoringOptions);
    setGeometryTw(chkCountDown, 180, 2460, 4500, 315);

    lblInfo = new QLabel(QStringLiteral("Note: Changing any of the Scoring Options will cause your high scores to be "
                                        "marked with an * indicating custom scoring was in use."),
                         this);
    setGeometryTw(lblInfo, 120, 3060, 6960, 660);
    lblInfo->setWordWrap(true);
    lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    setGeometryTw(cmdOK, 600, 3900, 1335, 375);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    setGeometryTw(cmdCancel, 2932, 3900, 1335, 375);
    cmdDefault = new QPushButton(QStringLiteral("&Default"), this);
    setGeometryTw(cmdDefault, 5265, 3900, 1335, 375);
    connect(cmdOK, &QPushButton::clicked, this, &frmSpiresCustom::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSpiresCustom::cmdCancel_Click);
    connect(cmdDefault, &QPushButton::clicked, this, &frmSpiresCustom::cmdDefault_Click);

    Form_Load();
}

void frmSpiresCustom::Form_Load()
{
    platform::centreOnScreen(this);
    setWindowTitle(gGameTitle + QStringLiteral(" User Options"));
    showFields(spires::CurrentCustomScoringFields());
}

void frmSpiresCustom::showFields(const CustomScoringFields& f)
{
    txtCardValue->setText(f.cardValue);
    txtBonusScore->setText(f.bonusScore);
    txtRunBonus->setText(f.runBonus);
    txtCompletedTower->setText(f.completedTower);
    txtTimeBonus->setText(f.timeBonus);
    chkCountDown->setChecked(f.countDown);
}

QLineEdit* frmSpiresCustom::fieldOf(CustomScoringField field) const
{
    switch (field) {
    case CustomScoringField::CardValue: return txtCardValue;
    case CustomScoringField::BonusScore: return txtBonusScore;
    case CustomScoringField::RunBonus: return txtRunBonus;
    case CustomScoringField::CompletedTower: return txtCompletedTower;
    case CustomScoringField::TimeBonus: break;
    }
    return txtTimeBonus;
}

void frmSpiresCustom::cmdDefault_Click() { showFields(spires::DefaultCustomScoringFields()); }

void frmSpiresCustom::cmdCancel_Click() { reject(); }

void frmSpiresCustom::cmdOK_Click()
{
    CustomScoringFields f;
    f.cardValue = txtCardValue->text();
    f.bonusScore = txtBonusScore->text();
    f.runBonus = txtRunBonus->text();
    f.completedTower = txtCompletedTower->text();
    f.timeBonus = txtTimeBonus->text();
    f.countDown = chkCountDown->isChecked();
    const spires::CustomScoringOutcome outcome = spires::StoreCustomScoring(f);
    for (const spires::CustomScoringRefusal& refusal : outcome.refusals) {
        platform::MsgBox(refusal.message, platform::vbInformation, gGameTitle);
        QLineEdit* field = fieldOf(refusal.field);
        field->setText(refusal.text);
        field->setFocus();
    }
    if (outcome.timeBonusAccepted && m_form && m_form->StatusBar1)
        m_form->StatusBar1->setPanelText(1, spires::BonusRoundStatusText());
    if (outcome.allAccepted())
        accept();
}

bool frmSpiresCustom::eventFilter(QObject* watched, QEvent* event)
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
