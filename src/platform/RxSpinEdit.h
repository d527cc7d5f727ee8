#pragma once
// A numeric spin edit that tells its owner apart which way the value was
// changed: an arrow click (after the step was applied), a wheel turn (the
// owner applies its own step) or a key press.
#include <QDoubleSpinBox>

class TRxSpinEdit : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit TRxSpinEdit(QWidget* parent = nullptr);

    // The longest text the user may type.
    void SetMaxLength(int length);

signals:
    void TopClick();
    void BottomClick();
    void MouseWheelUp();
    void MouseWheelDown();
    // Windows key codes: 13 for Enter.
    void KeyDown(int key);

protected:
    void stepBy(int steps) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
