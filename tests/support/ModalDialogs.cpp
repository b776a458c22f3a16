#include "ModalDialogs.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

void answerModal(const std::function<void()>& open, const std::function<void(QWidget*)>& answer)
{
    bool answered = false;
    int ticks = 0;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (!answered) {
            answered = true;
            answer(modal);
        } else if (++ticks > 200) {
            modal->close(); // never hang the run
        }
    });
    driver.start(1);
    open();
    driver.stop();
    EXPECT_TRUE(answered);
}
