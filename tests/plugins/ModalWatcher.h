#pragma once
// Acts on a modal window from inside its own modal loop: a plug-in's form
// runs exec() and the test cannot return to do anything until it closes.
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

class ModalWatcher {
public:
    // `action` runs once for every new modal window that appears while the
    // watcher lives; it is expected to close the window.
    explicit ModalWatcher(std::function<void(QWidget& modal)> action);
    int Seen() const { return seen_; }

private:
    std::function<void(QWidget&)> action_;
    QPointer<QWidget> last_;
    QTimer timer_;
    int seen_ = 0;
};

// Clicks the push button of `window` with this caption; a test failure when
// there is none.
void ClickButton(QWidget& window, const QString& caption);
// Lets queued events run for a while without leaving the current loop.
void ProcessEventsFor(int ms);
