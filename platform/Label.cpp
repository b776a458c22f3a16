#include "platform/Label.h"

#include "platform/Colors.h"

namespace platform {

Label::Label(QWidget* parent, const QString& caption) : QLabel(caption, parent)
{
    setTextFormat(Qt::PlainText);
}

void Label::setCaption(const QString& caption)
{
    if (caption == text())
        return;
    setText(caption);
    if (onChange)
        onChange();
}

void Label::setForeColor(long bgr)
{
    m_foreColor = bgr;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, fromBgr(bgr));
    setPalette(p);
}

} // namespace platform
