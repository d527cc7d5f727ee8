#include "platform/RxSpinEdit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QWheelEvent>

TRxSpinEdit::TRxSpinEdit(QWidget* parent)
    : QDoubleSpinBox(parent)
{
    // Numbers are typed and shown with a point whatever the user's locale.
    setLocale(QLocale::c());
    setFocusPolicy(Qt::StrongFocus);
}

void TRxSpinEdit::SetMaxLength(int length) { lineEdit()->setMaxLength(length); }

void TRxSpinEdit::stepBy(int steps)
{
    QDoubleSpinBox::stepBy(steps);
    if (steps > 0)
        emit TopClick();
    else if (steps < 0)
        emit BottomClick();
}

void TRxSpinEdit::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (delta > 0)
        emit MouseWheelUp();
    else if (delta < 0)
        emit MouseWheelDown();
    event->accept();
}

void TRxSpinEdit::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter)
        interpretText();
    QDoubleSpinBox::keyPressEvent(event);
    emit KeyDown(enter ? 13 : event->key());
}
