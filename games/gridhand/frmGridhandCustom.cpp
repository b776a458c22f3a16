#include "games/gridhand/frmGridhandCustom.h"

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

using gridhand::CustomField;

namespace {
constexpr int ClientWidth = 6600;
constexpr int ClientHeight = 7080;
constexpr int RowPitch = 390;
} // namespace

frmGridhandCustom::frmGridhandCustom(GameForm* Form)
    : QDialog(Form ? Form->Form() : nullptr,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_form(Form)
{
    using platform::setGeometryTw;
    setModal(true);
    setFixedSize(platform::toPixels(ClientWidth), platform::toPixels(ClientHeight));

    frmScoringOptions = new QGroupBox(QStringLiteral("AppTitle Scoring Options"), this);
    setGeometryTw(frmScoringOptions, 120, 120, 6360, 5130);

    struct Row {
        CustomField field;
        QLabel** label;
        QLineEdit** text;
    };
    const Row rows[] = {
        {CustomField::Pair, &lblPairScore, &txtPairScore},
        {CustomField::TwoPair, &lbl2PairScore, &txt2PairScore},
        {CustomField::ThreeKind, &lbl3ofakindScore, &txt3ofakindScore},
        {CustomField::Straight, &lblStraightScore, &txtStraightScore},
        {CustomField::Flush, &lblFlushScore, &txtFlushScore},
        {CustomField::FullHouse, &lblFullHouseScore, &txtFullHouseScore},
        {CustomField::FourKind, &lbl4ofakindScore, &txt4ofakindScore},
        {CustomField::StFlush, &lblStFlushScore, &txtStFlushScore},
        {CustomField::RoyalFlush, &lblRoyalFlushScore, &txtRoyalFlushScore},
        {CustomField::BonusScore, &lblBonusScore, &txtBonusScore},
        {CustomField::OverWrites, &lblOverWrites, &txtOverWrites},
        {CustomField::TimeBonus, &lblTimeBonus, &txtTimeBonus},
    };
    const char* names[] = {"PairScore",  "2PairScore",     "3ofakindScore", "StraightScore",
                           "FlushScore", "FullHouseScore", "4ofakindScore", "StFlushScore",
                           "RoyalFlushScore", "BonusScore", "OverWrites",   "TimeBonus"};
    int row = 0;
    for (const Row& r : rows) {
        const int top = 300 + row * RowPitch;
        *r.label = new QLabel(QString::fromLatin1(gridhand::RuleOf(r.field).caption), frmScoringOptions);
        (*r.label)->setObjectName(QStringLiteral("lbl") + QLatin1String(names[row]));
        setGeometryTw(*r.label, 180, top, 4140, 315);
        *r.text = new QLineEdit(frmScoringOptions);
        (*r.text)->setObjectName(QStringLiteral("txt") + QLatin1String(names[row]));
        setGeometryTw(*r.text, 4440, top - 15, 1680, 330);
        (*r.text)->installEventFilter(this);
        m_boxes[std::size_t(r.field)] = *r.text;
        ++row;
    }
    chkCountDown = new QCheckBox(QStringLiteral("&Count Down when taking score"), frmScoringOptions);
    setGeometryTw(chkCountDown, 180, 300 + row * RowPitch, 4500, 315);

    lblInfo = new QLabel(QStringLiteral("Note: Changing any of the Scoring Options will cause your high scores to be "
                                        "marked with an * indicating custom scoring was in use."),
                         this);
    setGeometryTw(lblInfo, 120, 5370, 6360, 840);
    lblInfo->setWordWrap(true);
    lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    setGeometryTw(cmdOK, 480, 6540, 1335, 375);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    setGeometryTw(cmdCancel, 2632, 6540, 1335, 375);
    cmdDefault = new QPushButton(QStringLiteral("&Default"), this);
    setGeometryTw(cmdDefault, 4785, 6540, 1335, 375);
    connect(cmdOK, &QPushButton::clicked, this, &frmGridhandCustom::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmGridhandCustom::cmdCancel_Click);
    connect(cmdDefault, &QPushButton::clicked, this, &frmGridhandCustom::cmdDefault_Click);

    Form_Load();
}

void frmGridhandCustom::Form_Load()
{
    platform::centreOnScreen(this);
    setWindowTitle(gGameTitle + QStringLiteral(" User Options"));
    showFields(gridhand::CurrentCustomScoringFields());
}

void frmGridhandCustom::showFields(const gridhand::CustomScoringFields& f)
{
    for (int i = 0; i < gridhand::CustomFieldCount; ++i)
        m_boxes[i]->setText(f.text[i]);
    chkCountDown->setChecked(f.countDown);
}

void frmGridhandCustom::cmdDefault_Click() { showFields(gridhand::DefaultCustomScoringFields()); }

void frmGridhandCustom::cmdCancel_Click() { reject(); }

void frmGridhandCustom::cmdOK_Click()
{
    gridhand::CustomScoringFields fields;
    for (int i = 0; i < gridhand::CustomFieldCount; ++i)
        fields.text[i] = m_boxes[i]->text();
    fields.countDown = chkCountDown->isChecked();
    const gridhand::CustomScoringOutcome outcome = gridhand::StoreCustomScoring(fields);
    // The target shows at once, even when another field is refused.
    if (outcome.bonusScoreAccepted && m_form && m_form->StatusBar1)
        m_form->StatusBar1->setPanelText(1, gridhand::BonusRoundStatusText());
    for (const gridhand::CustomRefusal& refusal : outcome.refusals) {
        platform::MsgBox(refusal.message, platform::vbInformation, gGameTitle);
        QLineEdit* box = textBox(refusal.field);
        box->setText(refusal.text);
        box->setFocus();
    }
    if (outcome.allAccepted())
        accept();
}

bool frmGridhandCustom::eventFilter(QObject* watched, QEvent* event)
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
