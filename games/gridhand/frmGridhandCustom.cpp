#include "games/gridhand/frmGridhandCustom.h"

#include "core/window/GameForm.h"
#include "platform/StatusBar.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using gridhand::CustomField;

namespace {
constexpr int ClientWidth = 6600;
constexpr int ClientHeight = 7080;
// Thirteen rows, the check box last, inside the frame's 5130 twips.
constexpr int RowTop = 270;
constexpr int RowPitch = 375;
} // namespace

frmGridhandCustom::frmGridhandCustom(GameForm* Form)
    : UserOptionsDialog(Form ? Form->Form() : nullptr, ClientWidth, ClientHeight), m_form(Form)
{
    frmScoringOptions = addFrame(QStringLiteral("AppTitle Scoring Options"), {120, 120, 6360, 5130});

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
        const int top = RowTop + row * RowPitch;
        *r.label = addCaption(frmScoringOptions, QString::fromLatin1(gridhand::RuleOf(r.field).caption),
                              {180, top, 4140, 315});
        (*r.label)->setObjectName(QStringLiteral("lbl") + QLatin1String(names[row]));
        *r.text = addNumberBox(frmScoringOptions, {4440, top - 15, 1680, 330});
        (*r.text)->setObjectName(QStringLiteral("txt") + QLatin1String(names[row]));
        m_boxes[std::size_t(r.field)] = *r.text;
        ++row;
    }
    chkCountDown = new QCheckBox(QStringLiteral("&Count Down when taking score"), frmScoringOptions);
    platform::setGeometryTw(chkCountDown, 180, RowTop + row * RowPitch, 4500, 315);

    lblInfo = addNote(QStringLiteral("Note: Changing any of the Scoring Options will cause your high scores to be "
                                     "marked with an * indicating custom scoring was in use."),
                      {120, 5370, 6360, 840});
    addButtons({.top = 6540, .width = 1335, .okLeft = 480, .cancelLeft = 2632, .defaultLeft = 4785});

    Form_Load();
}

void frmGridhandCustom::Form_Load()
{
    openCentred();
    showFields(gridhand::CurrentCustomScoringFields());
}

void frmGridhandCustom::showFields(const gridhand::CustomScoringFields& f)
{
    for (int i = 0; i < gridhand::CustomFieldCount; ++i)
        m_boxes[i]->setText(f.text[i]);
    chkCountDown->setChecked(f.countDown);
}

void frmGridhandCustom::cmdDefault_Click() { showFields(gridhand::DefaultCustomScoringFields()); }

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
    reportRefusals(outcome.refusals, [this](CustomField field) { return textBox(field); });
    if (outcome.allAccepted())
        accept();
}
