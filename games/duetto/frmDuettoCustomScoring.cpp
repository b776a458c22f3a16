#include "games/duetto/frmDuettoCustomScoring.h"

#include "core/SuiteGlobals.h"
#include "games/duetto/frmDuetto.h"
#include "platform/Label.h"
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
#include <exception>

using duetto::CustomScoringField;
using duetto::CustomScoringFields;

namespace {
constexpr int ClientWidth = 6150;
constexpr int ClientHeight = 4500;
} // namespace

frmDuettoCustomScoring::frmDuettoCustomScoring(frmDuetto* Form)
    : QDialog(Form, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_form(Form)
{
    using platform::setGeometryTw;
    setObjectName(QStringLiteral("frmDuettoCustomScoring"));
    setModal(true);
    setFixedSize(platform::toPixels(ClientWidth), platform::toPixels(ClientHeight));

    fraScoring = new QGroupBox(QStringLiteral("AppTitle Scoring Options"), this);
    setGeometryTw(fraScoring, 120, 120, 5910, 2760);

    auto addRow = [this](int row, const QString& caption, QLabel*& label, QLineEdit*& text, const char* name) {
        const int top = 330 + row * 435;
        label = new QLabel(caption, fraScoring);
        setGeometryTw(label, 180, top, 3900, 315);
        text = new QLineEdit(fraScoring);
        text->setObjectName(QLatin1String(name));
        setGeometryTw(text, 4200, top, 1500, 315);
        text->installEventFilter(this);
    };
    addRow(0, QStringLiteral("Pairs Bonus Value:"), lblPairsBonus, txtPairsBonus, "txtPairsBonus");
    addRow(1, QStringLiteral("Runs Bonus Value"), lblRunsBonus, txtRunsBonus, "txtRunsBonus");
    addRow(2, QStringLiteral("Score required for Bonus Round:"), lblBonusRound, txtBonusRound, "txtBonusRound");
    addRow(3, QStringLiteral("Bonus for completing upper cards: "), lblCompletionBonus, txtCompletionBonus,
           "txtCompletionBonus");
    addRow(4, QStringLiteral("Time Bonus (points per second)"), lblTimeBonus, txtTimeBonus, "txtTimeBonus");

    chkCountDown = new QCheckBox(QStringLiteral("&Count Down when taking score"), fraScoring);
    chkCountDown->setObjectName(QStringLiteral("chkCountDown"));
    setGeometryTw(chkCountDown, 180, 2520 - 120, 4500, 315);

    lblInfo = new QLabel(QStringLiteral("Note: Changing any of the Scoring Options will cause your high scores to be "
                                        "marked with an * indicating custom scoring was in use."),
                         this);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    setGeometryTw(lblInfo, 120, 2970, 5910, 840);
    lblInfo->setWordWrap(true);
    lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    setGeometryTw(cmdOK, 420, 3945, 1335, 375);
    cmdOK->setDefault(true);
    cmdDefault = new QPushButton(QStringLiteral("&Default"), this);
    setGeometryTw(cmdDefault, 2407, 3945, 1335, 375);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    setGeometryTw(cmdCancel, 4395, 3945, 1335, 375);
    connect(cmdOK, &QPushButton::clicked, this, &frmDuettoCustomScoring::cmdOK_Click);
    connect(cmdDefault, &QPushButton::clicked, this, &frmDuettoCustomScoring::cmdDefault_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmDuettoCustomScoring::cmdCancel_Click);

    QWidget* order[] = {txtPairsBonus, txtRunsBonus, txtBonusRound, txtCompletionBonus, txtTimeBonus,
                        chkCountDown,  cmdOK,        cmdDefault,    cmdCancel};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    Form_Load();
}

void frmDuettoCustomScoring::Form_Load()
{
    platform::centreOnScreen(this);
    setWindowTitle(gGameTitle + QStringLiteral(" User Options"));
    showFields(duetto::CurrentCustomScoringFields());
}

void frmDuettoCustomScoring::showFields(const CustomScoringFields& f)
{
    txtPairsBonus->setText(f.pairsBonus);
    txtRunsBonus->setText(f.runsBonus);
    txtBonusRound->setText(f.bonusRound);
    txtCompletionBonus->setText(f.completionBonus);
    txtTimeBonus->setText(f.timeBonus);
    chkCountDown->setChecked(f.countDown);
}

CustomScoringFields frmDuettoCustomScoring::fields() const
{
    CustomScoringFields f;
    f.pairsBonus = txtPairsBonus->text();
    f.runsBonus = txtRunsBonus->text();
    f.bonusRound = txtBonusRound->text();
    f.completionBonus = txtCompletionBonus->text();
    f.timeBonus = txtTimeBonus->text();
    f.countDown = chkCountDown->isChecked();
    return f;
}

QLineEdit* frmDuettoCustomScoring::fieldOf(CustomScoringField field) const
{
    switch (field) {
    case CustomScoringField::PairsBonus: return txtPairsBonus;
    case CustomScoringField::RunsBonus: return txtRunsBonus;
    case CustomScoringField::BonusRound: return txtBonusRound;
    case CustomScoringField::CompletionBonus: return txtCompletionBonus;
    case CustomScoringField::TimeBonus: break;
    }
    return txtTimeBonus;
}

void frmDuettoCustomScoring::cmdDefault_Click() { showFields(duetto::DefaultCustomScoringFields()); }

void frmDuettoCustomScoring::cmdCancel_Click() { reject(); }

void frmDuettoCustomScoring::cmdOK_Click()
{
    bool allPassed = true;
    try {
        const duetto::CustomScoringOutcome outcome = duetto::StoreCustomScoring(fields());
        for (const duetto::CustomScoringRefusal& refusal : outcome.refusals) {
            platform::MsgBox(refusal.message, platform::vbInformation, gGameTitle);
            QLineEdit* field = fieldOf(refusal.field);
            field->setText(refusal.text);
            field->setFocus();
        }
        allPassed = outcome.allAccepted();
        if (m_form) {
            m_form->lblPairs->setCaption(duetto::PairsCaption());
            m_form->lblRuns->setCaption(duetto::RunsCaption());
            m_form->StatusBar1->setPanelText(1, duetto::BonusRoundStatusText());
        }
    } catch (const std::exception& e) {
        platform::MsgBox(QString::fromLocal8Bit(e.what()), platform::vbExclamation, gGameTitle);
    }
    if (allPassed)
        accept();
}

bool frmDuettoCustomScoring::eventFilter(QObject* watched, QEvent* event)
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
