#pragma once
// The archive browser "Архив": the recorded files of one day, chosen on a
// month calendar, opened into the graph or deleted with their companion
// .ini file. Created for one use by the main window's archive command and
// shown modally.
#include "platform/DateTime.h"

#include <QDialog>

class QCalendarWidget;
class QComboBox;
class QPushButton;
class TfrmMain;

class TArhivForm : public QDialog {
    Q_OBJECT
public:
    // Lists today's files; "Открыть" is disabled while a measurement runs.
    explicit TArhivForm(TfrmMain* owner);

    QCalendarWidget* MonthCalendar1() const { return MonthCalendar1_; }
    QComboBox* ComboBox1() const { return ComboBox1_; }
    QPushButton* OpenButton() const { return OpenButton_; }
    QPushButton* DeleteButton() const { return DeleteButton_; }
    QPushButton* CancelButton() const { return CancelButton_; }

    // Fills the list with the files of `day`, the first one selected.
    void ListDay(TDateTime day);
    TDateTime ListedDay() const { return listedDay_; }

public slots:
    void MonthCalendar1Click();
    void OpenButtonClick();
    void DeleteButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    QString DayFolder() const;

    TfrmMain* owner_;
    QCalendarWidget* MonthCalendar1_ = nullptr;
    QComboBox* ComboBox1_ = nullptr;
    QPushButton* OpenButton_ = nullptr;
    QPushButton* DeleteButton_ = nullptr;
    QPushButton* CancelButton_ = nullptr;
    TDateTime listedDay_ = 0;
};
