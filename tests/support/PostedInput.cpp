#include "support/PostedInput.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>

void soon(QWidget* context, std::function<void()> what) { QTimer::singleShot(0, context, std::move(what)); }

void clickSoon(QWidget* target, int times)
{
    for (int i = 0; i < times; ++i)
        soon(target, [target] { QTest::mouseClick(target, Qt::LeftButton); });
}

void keySoon(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    soon(target, [target, key, modifiers] { QTest::keyClick(target, key, modifiers); });
}

void closeSoon(QWidget* window)
{
    soon(window, [window] { window->close(); });
}

void postClick(QWidget* target, int times)
{
    const QPointF at = QRectF(target->rect()).center();
    const QPointF global = target->mapToGlobal(at);
    for (int i = 0; i < times; ++i)
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(target, new QMouseEvent(type, at, global, Qt::LeftButton,
                                                                type == QEvent::MouseButtonPress ? Qt::LeftButton
                                                                                                 : Qt::NoButton,
                                                                Qt::NoModifier));
}

void settle(int ms)
{
    QTest::qWait(ms);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
