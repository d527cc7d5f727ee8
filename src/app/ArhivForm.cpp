#include "app/ArhivForm.h"

#include "app/AppState.h"
#include "app/ArhivCommands.h"
#include "app/MainWindow.h"
#include "platform/FileUtils.h"
#include "platform/Messages.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TArhivForm::TArhivForm(TfrmMain* owner)
    : QDialog(owner), owner_(owner)
{
    setObjectName(QStringLiteral("ArhivForm"));
    setWindowTitle(QStringLiteral("Архив"));

    auto* root = new QVBoxLayout(this);
    MonthCalendar1_ = new QCalendarWidget(this);
    MonthCalendar1_->setObjectName(QStringLiteral("MonthCalendar1"));
    MonthCalendar1_->setGridVisible(true);
    root->addWidget(MonthCalendar1_);

    ComboBox1_ = new QComboBox(this);
    ComboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1_->setEditable(true);
    // A typed name is a name to delete, not a new entry of the day's list.
    ComboBox1_->setInsertPolicy(QComboBox::NoInsert);
    root->addWidget(ComboBox1_);

    auto* buttons = new QHBoxLayout;
    OpenButton_ = new QPushButton(QStringLiteral("Открыть"), this);
    OpenButton_->setObjectName(QStringLiteral("OpenButton"));
    DeleteButton_ = new QPushButton(QStringLiteral("Удалить"), this);
    DeleteButton_->setObjectName(QStringLiteral("DeleteButton"));
    CancelButton_ = new QPushButton(QStringLiteral("Отмена"), this);
    CancelButton_->setObjectName(QStringLiteral("CancelButton"));
    // Enter in the list's edit must not run a command of its own.
    for (QPushButton* b : {OpenButton_, DeleteButton_, CancelButton_})
        b->setAutoDefault(false);
    buttons->addWidget(OpenButton_);
    buttons->addWidget(DeleteButton_);
    buttons->addStretch(1);
    buttons->addWidget(CancelButton_);
    root->addLayout(buttons);

    connect(MonthCalendar1_, &QCalendarWidget::clicked, this, &TArhivForm::MonthCalendar1Click);
    connect(MonthCalendar1_, &QCalendarWidget::selectionChanged, this, &TArhivForm::MonthCalendar1Click);
    connect(OpenButton_, &QPushButton::clicked, this, &TArhivForm::OpenButtonClick);
    connect(DeleteButton_, &QPushButton::clicked, this, &TArhivForm::DeleteButtonClick);
    connect(CancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(sizeHint());
    FormCreate();
}

void TArhivForm::FormCreate()
{
    const TDateTime today = Date();
    {
        const QSignalBlocker block(MonthCalendar1_);
        MonthCalendar1_->setSelectedDate(DateTimeToQDate(today));
    }
    ListDay(today);
    if (IsMeasuring)
        OpenButton_->setEnabled(false);
}

void TArhivForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (owner_) {
        QRect frame = frameGeometry();
        frame.moveCenter(owner_->frameGeometry().center());
        move(frame.topLeft());
    }
}

QString TArhivForm::DayFolder() const { return ArhDayFolder(ArhivDir, listedDay_); }

void TArhivForm::ListDay(TDateTime day)
{
    listedDay_ = day;
    const QStringList names = FileList(ArhDayMask(ArhivDir, day), faAnyFile);
    ComboBox1_->clear();
    for (const QString& name : names)
        if (!name.isEmpty())
            ComboBox1_->addItem(name);
    if (ComboBox1_->count() > 0)
        ComboBox1_->setCurrentIndex(0);
}

void TArhivForm::MonthCalendar1Click() { ListDay(QDateToDateTime(MonthCalendar1_->selectedDate())); }

void TArhivForm::OpenButtonClick()
{
    const int index = ComboBox1_->currentIndex();
    if (index < 0 || !owner_)
        return;
    owner_->LoadArhToGraph(DayFolder() + QLatin1Char('/') + ComboBox1_->itemText(index));
}

void TArhivForm::DeleteButtonClick()
{
    const QString name = ComboBox1_->currentText();
    if (MessageDlg(QStringLiteral("Внимание! Файл ") + name + QStringLiteral(" будет удален.\n\rПодолжить?"),
                   DlgType::Warning, MsgButtons::YesNo) == MsgResult::No)
        return;
    if (!DeleteArhFile(DayFolder(), name))
        return;
    // The entry of the deleted file goes, whichever item was selected when
    // its name was typed.
    const int index = ComboBox1_->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        ComboBox1_->removeItem(index);
    if (ComboBox1_->count() > 0)
        ComboBox1_->setCurrentIndex(0);
    else
        ComboBox1_->setEditText(QString());
}
