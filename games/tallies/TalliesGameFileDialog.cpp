#include "games/tallies/TalliesGameFileDialog.h"

#include "platform/Label.h"
#include "platform/Twips.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLineEdit>

TalliesGameFileDialog::TalliesGameFileDialog(AcceptMode mode, const Texts& texts, QWidget* parent)
    : QFileDialog(parent, texts.caption)
{
    // Our own rows need the toolkit's dialog rather than a desktop one.
    setOption(QFileDialog::DontUseNativeDialog);
    // A saved game replaces a file of the same name without asking, as before.
    setOption(QFileDialog::DontConfirmOverwrite);
    setAcceptMode(mode);
    setFileMode(QFileDialog::AnyFile);
    setNameFilter(QStringLiteral("*.tgm"));
    setLabelText(QFileDialog::LookIn, QStringLiteral("Directory:"));
    setLabelText(QFileDialog::FileType, QStringLiteral("Files:"));
    setLabelText(QFileDialog::FileName, texts.fileLabel);
    setLabelText(QFileDialog::Accept, QStringLiteral("&OK"));
    setLabelText(QFileDialog::Reject, QStringLiteral("&Cancel"));

    m_name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (m_name) {
        m_name->setToolTip(texts.fileTip);
        m_name->setText(QStringLiteral("*.tgm"));
    }
    if (auto* buttons = findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))) {
        for (QAbstractButton* b : buttons->buttons()) {
            const auto role = buttons->buttonRole(b);
            if (role == QDialogButtonBox::AcceptRole)
                b->setToolTip(texts.okTip);
            else if (role == QDialogButtonBox::RejectRole)
                b->setToolTip(texts.cancelTip);
        }
    }
    m_info = new platform::Label(this, texts.info);
    m_info->setWordWrap(true);
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(m_info, grid->rowCount(), 0, 1, grid->columnCount());
}

void TalliesGameFileDialog::accept()
{
    const QString typed = m_name ? m_name->text() : QString();
    if (typed.isEmpty())
        return;
    const QFileInfo info(directory().filePath(typed));
    if (info.isDir()) {
        setDirectory(info.absoluteFilePath());
        return;
    }
    m_chosen = info.filePath();
    QDialog::accept();
}

void TalliesGameFileDialog::addRow(QWidget* label, QWidget* field)
{
    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (!grid)
        return;
    // The instruction stays last.
    const int row = grid->rowCount();
    grid->removeWidget(m_info);
    grid->addWidget(label, row - 1, 0);
    grid->addWidget(field, row - 1, 1, 1, grid->columnCount() - 1);
    grid->addWidget(m_info, row, 0, 1, grid->columnCount());
}

void TalliesGameFileDialog::showEvent(QShowEvent* event)
{
    QFileDialog::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        platform::centreOnScreen(this);
    }
}
