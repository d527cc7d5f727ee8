#pragma once
// A status lamp with a caption beside it: a round light that is either lit
// in its colour or dark. Used for the instrument's status bits and the port
// lamps on the main and graph windows.
#include <QString>
#include <QWidget>

enum TLEDColor { lcRed, lcGreen };

class TLEDLabel : public QWidget {
    Q_OBJECT
public:
    explicit TLEDLabel(QWidget* parent = nullptr);
    TLEDLabel(const QString& caption, TLEDColor color, QWidget* parent = nullptr);

    bool Lit() const { return lit_; }
    void SetLit(bool lit);

    TLEDColor Color() const { return color_; }
    void SetColor(TLEDColor color);

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int LampDiameter() const;

    QString caption_;
    TLEDColor color_ = lcRed;
    bool lit_ = false;
};
