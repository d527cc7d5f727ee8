#include "ModalWatcher.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <gtest/gtest.h>

ModalWatcher::ModalWatcher(std::function<void(QWidget& modal)> action)
    : action_(std::move(action))
{
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == last_ || !modal->isVisible())
            return;
        last_ = modal;
        ++seen_;
        action_(*modal);
    });
    timer_.start();
}

void ClickButton(QWidget& window, const QString& caption)
{
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text() == caption) {
            button->click();
            return;
        }
    }
    ADD_FAILURE() << "no button " << caption.toStdString();
}

void ProcessEventsFor(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}
