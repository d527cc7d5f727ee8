#pragma once
// A clickable colour swatch with an optional caption.
#include <QColor>
#include <QString>
#include <QWidget>

class TColorSwatch : public QWidget {
    Q_OBJECT
public:
    explicit TColorSwatch(QWidget* parent = nullptr, const QString& caption = {});

    QColor Color() const { return color_; }
    void SetColor(const QColor& color);

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor color_ = Qt::black;
    QString caption_;
};
