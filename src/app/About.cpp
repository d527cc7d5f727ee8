#include "app/About.h"

#include "platform/FileUtils.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

QString AboutVersionText()
{
    return QStringLiteral("Версия ") + FileVersionText(QCoreApplication::applicationFilePath(), 4);
}

TAbout::TAbout(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("О программе"));

    auto* root = new QHBoxLayout(this);
    ProgramIcon_ = new QLabel(this);
    ProgramIcon_->setObjectName(QStringLiteral("ProgramIcon"));
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = style()->standardIcon(QStyle::SP_ComputerIcon);
    ProgramIcon_->setPixmap(icon.pixmap(64, 64));
    ProgramIcon_->installEventFilter(this);
    root->addWidget(ProgramIcon_, 0, Qt::AlignTop);

    auto* texts = new QVBoxLayout;
    ProductName_ = new QLabel(QStringLiteral("Caloriva"), this);
    ProductName_->setObjectName(QStringLiteral("ProductName"));
    QFont bold = ProductName_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.5);
    ProductName_->setFont(bold);
    Version_ = new QLabel(AboutVersionText(), this);
    Version_->setObjectName(QStringLiteral("Version"));
    texts->addWidget(ProductName_);
    texts->addWidget(Version_);
    texts->addStretch(1);
    root->addLayout(texts);

    setFixedSize(sizeHint());
}

void TAbout::ProgramIconDblClick() { close(); }

void TAbout::FormDeactivate() { close(); }

void TAbout::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow())
        FormDeactivate();
}

bool TAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ProgramIcon_ && event->type() == QEvent::MouseButtonDblClick) {
        ProgramIconDblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
