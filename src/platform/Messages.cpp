#include "platform/Messages.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <utility>

namespace {

MessageResponder* g_responder = nullptr;

QWidget* DialogParent(QWidget* parent)
{
    if (parent)
        return parent;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

QMessageBox::Icon ToQtIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Warning: return QMessageBox::Warning;
    case MsgIcon::Error: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

std::vector<MsgResult> ButtonsOf(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::OK: return {MsgResult::OK};
    case MsgButtons::OKCancel: return {MsgResult::OK, MsgResult::Cancel};
    case MsgButtons::YesNo: return {MsgResult::Yes, MsgResult::No};
    case MsgButtons::YesNoCancel: return {MsgResult::Yes, MsgResult::No, MsgResult::Cancel};
    }
    return {MsgResult::OK};
}

QString ButtonText(MsgResult result)
{
    switch (result) {
    case MsgResult::OK: return QStringLiteral("OK");
    case MsgResult::Cancel: return QStringLiteral("Отмена");
    case MsgResult::Yes: return QStringLiteral("Да");
    case MsgResult::No: return QStringLiteral("Нет");
    }
    return QString();
}

QMessageBox::ButtonRole ButtonRole(MsgResult result)
{
    switch (result) {
    case MsgResult::OK: return QMessageBox::AcceptRole;
    case MsgResult::Cancel: return QMessageBox::RejectRole;
    case MsgResult::Yes: return QMessageBox::YesRole;
    case MsgResult::No: return QMessageBox::NoRole;
    }
    return QMessageBox::AcceptRole;
}

// What closing the box without a button (Esc, the title bar) answers.
MsgResult EscapeAnswer(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::OK: return MsgResult::OK;
    case MsgButtons::OKCancel:
    case MsgButtons::YesNoCancel: return MsgResult::Cancel;
    case MsgButtons::YesNo: return MsgResult::No;
    }
    return MsgResult::OK;
}

MsgResult ShowQtBox(const ShownMessage& m)
{
    QMessageBox box(ToQtIcon(m.icon), m.caption, m.text, QMessageBox::NoButton, DialogParent(nullptr));
    std::vector<std::pair<QAbstractButton*, MsgResult>> added;
    for (MsgResult r : ButtonsOf(m.buttons)) {
        QPushButton* b = box.addButton(ButtonText(r), ButtonRole(r));
        added.emplace_back(b, r);
        if (r == EscapeAnswer(m.buttons))
            box.setEscapeButton(b);
    }
    box.setDefaultButton(static_cast<QPushButton*>(added.front().first));
    box.exec();
    for (const auto& [button, result] : added)
        if (box.clickedButton() == button)
            return result;
    return EscapeAnswer(m.buttons);
}

MsgResult Show(const ShownMessage& m)
{
    if (g_responder)
        return g_responder->Answer(m);
    return ShowQtBox(m);
}

QString DlgCaption(DlgType type)
{
    switch (type) {
    case DlgType::Information: return QStringLiteral("Информация");
    case DlgType::Warning: return QStringLiteral("Предупреждение");
    case DlgType::Error: return QStringLiteral("Ошибка");
    case DlgType::Confirmation: return QStringLiteral("Подтверждение");
    }
    return QString();
}

MsgIcon DlgIcon(DlgType type)
{
    switch (type) {
    case DlgType::Information: return MsgIcon::Information;
    case DlgType::Warning: return MsgIcon::Warning;
    case DlgType::Error: return MsgIcon::Error;
    case DlgType::Confirmation: return MsgIcon::Question;
    }
    return MsgIcon::None;
}

}  // namespace

QString QtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList qtFilters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        // Descriptions often show their patterns already: "Архив (*.prv)".
        if (description.endsWith(QLatin1Char(')')) && description.contains(QLatin1Char('(')))
            qtFilters.append(description);
        else
            qtFilters.append(description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return qtFilters.join(QStringLiteral(";;"));
}

MsgResult MessageBox(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon icon)
{
    ShownMessage m;
    m.kind = ShownMessage::Kind::Box;
    m.text = text;
    m.caption = caption;
    m.buttons = buttons;
    m.icon = icon;
    return Show(m);
}

MsgResult MessageDlg(const QString& text, DlgType type, MsgButtons buttons)
{
    ShownMessage m;
    m.kind = ShownMessage::Kind::Dialog;
    m.text = text;
    m.caption = DlgCaption(type);
    m.buttons = buttons;
    m.icon = DlgIcon(type);
    m.type = type;
    return Show(m);
}

void ShowMessage(const QString& text)
{
    MessageBox(text, QGuiApplication::applicationDisplayName(), MsgButtons::OK, MsgIcon::None);
}

QString OpenFileDialog(QWidget* parent, const QString& filter, const QString& initialDir)
{
    ShownMessage m;
    m.kind = ShownMessage::Kind::OpenFile;
    m.filter = filter;
    m.initialDir = initialDir;
    if (g_responder)
        return g_responder->AnswerFile(m);
    return QFileDialog::getOpenFileName(DialogParent(parent), QString(), initialDir, QtFileFilter(filter));
}

QString SaveFileDialog(QWidget* parent, const QString& filter, const QString& initialDir,
                       const QString& defaultExt)
{
    ShownMessage m;
    m.kind = ShownMessage::Kind::SaveFile;
    m.filter = filter;
    m.initialDir = initialDir;
    m.defaultExt = defaultExt;
    if (g_responder)
        return g_responder->AnswerFile(m);
    QFileDialog dialog(DialogParent(parent), QString(), initialDir, QtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The caller settles the file's final name and asks before overwriting it.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QString suffix = defaultExt;
    if (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

bool ColorDialog(QWidget* parent, QColor& color)
{
    ShownMessage m;
    m.kind = ShownMessage::Kind::Color;
    if (g_responder)
        return g_responder->AnswerColor(m, color);
    const QColor chosen = QColorDialog::getColor(color, DialogParent(parent));
    if (!chosen.isValid())
        return false;
    color = chosen;
    return true;
}

void SetMessageResponder(MessageResponder* responder)
{
    g_responder = responder;
}

ScriptedResponder::ScriptedResponder()
{
    SetMessageResponder(this);
}

ScriptedResponder::~ScriptedResponder()
{
    if (g_responder == this)
        SetMessageResponder(nullptr);
}

MsgResult ScriptedResponder::Answer(const ShownMessage& message)
{
    shown.push_back(message);
    if (!answers.empty()) {
        const MsgResult answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return ButtonsOf(message.buttons).front();
}

QString ScriptedResponder::AnswerFile(const ShownMessage& message)
{
    shown.push_back(message);
    if (files.empty())
        return QString();
    const QString file = files.front();
    files.pop_front();
    return file;
}

bool ScriptedResponder::AnswerColor(const ShownMessage& message, QColor& color)
{
    shown.push_back(message);
    if (colors.empty())
        return false;
    color = colors.front();
    colors.pop_front();
    return true;
}

QStringList ScriptedResponder::Texts() const
{
    QStringList texts;
    for (const ShownMessage& m : shown)
        texts.append(m.text);
    return texts;
}
