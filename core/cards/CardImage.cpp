#include "core/cards/CardImage.h"

#include "core/cards/ImageList.h"

#include <QMouseEvent>
#include <QPainter>

CardImage::CardImage(QWidget* parent) : QWidget(parent) {}

void CardImage::setPicture(int listIndex)
{
    if (listIndex == m_picture)
        return;
    m_picture = listIndex;
    update();
}

void CardImage::setPictureByKey(const QString& key) { setPicture(ImageList2().indexOf(key)); }

bool CardImage::shows(const QString& key) const { return m_picture != 0 && ImageList2().indexOf(key) == m_picture; }

void CardImage::setBorderStyle(int style)
{
    m_borderStyle = style;
    update();
}

void CardImage::paintEvent(QPaintEvent*)
{
    if (m_picture == 0 && m_borderStyle == 0)
        return;
    QPainter p(this);
    if (m_picture != 0)
        p.drawPixmap(0, 0, ImageList2().picture(m_picture, size(), devicePixelRatioF()));
    if (m_borderStyle == 1) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void CardImage::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && onClick)
        onClick();
    QWidget::mousePressEvent(e);
}
