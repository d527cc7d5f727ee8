#pragma once
// The about box: the program's name and the version of its file. It closes
// on Esc, when it loses the focus and on a double click on its picture.
#include <QDialog>

class QLabel;

// "Версия " and the version of the program's own file.
QString AboutVersionText();

class TAbout : public QDialog {
    Q_OBJECT
public:
    explicit TAbout(QWidget* parent = nullptr);

    QLabel* ProgramIcon() const { return ProgramIcon_; }
    QLabel* ProductName() const { return ProductName_; }
    QLabel* Version() const { return Version_; }

public slots:
    void ProgramIconDblClick();

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormDeactivate();

    QLabel* ProgramIcon_ = nullptr;
    QLabel* ProductName_ = nullptr;
    QLabel* Version_ = nullptr;
};
