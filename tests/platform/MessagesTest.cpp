#include "platform/Messages.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

TEST(Messages, TheResponderRecordsBoxesAsShown)
{
    ScriptedResponder responder;
    EXPECT_EQ(MessageBox("Нет связи", "Внимание", MsgButtons::OK, MsgIcon::Warning), MsgResult::OK);
    ASSERT_EQ(responder.shown.size(), 1u);
    const ShownMessage& m = responder.shown[0];
    EXPECT_EQ(m.kind, ShownMessage::Kind::Box);
    EXPECT_EQ(m.text, "Нет связи");
    EXPECT_EQ(m.caption, "Внимание");
    EXPECT_EQ(m.buttons, MsgButtons::OK);
    EXPECT_EQ(m.icon, MsgIcon::Warning);
}

TEST(Messages, TypedDialogsTakeCaptionAndIconFromTheirType)
{
    const struct {
        DlgType type;
        const char* caption;
        MsgIcon icon;
    } cases[] = {
        {DlgType::Information, "Информация", MsgIcon::Information},
        {DlgType::Warning, "Предупреждение", MsgIcon::Warning},
        {DlgType::Error, "Ошибка", MsgIcon::Error},
        {DlgType::Confirmation, "Подтверждение", MsgIcon::Question},
    };
    ScriptedResponder responder;
    for (const auto& c : cases)
        MessageDlg("text", c.type, MsgButtons::OK);
    ASSERT_EQ(responder.shown.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(responder.shown[i].kind, ShownMessage::Kind::Dialog);
        EXPECT_EQ(responder.shown[i].type, cases[i].type);
        EXPECT_EQ(responder.shown[i].caption, QString::fromUtf8(cases[i].caption));
        EXPECT_EQ(responder.shown[i].icon, cases[i].icon);
    }
}

TEST(Messages, ScriptedAnswersComeInOrderThenTheFirstButton)
{
    ScriptedResponder responder;
    responder.answers = {MsgResult::No, MsgResult::Cancel};
    EXPECT_EQ(MessageDlg("Выйти?", DlgType::Confirmation, MsgButtons::YesNo), MsgResult::No);
    EXPECT_EQ(MessageBox("Сохранить?", "Сообщение", MsgButtons::OKCancel, MsgIcon::Question), MsgResult::Cancel);
    EXPECT_EQ(MessageDlg("Выйти?", DlgType::Confirmation, MsgButtons::YesNo), MsgResult::Yes);
    EXPECT_EQ(MessageBox("?", "Сообщение", MsgButtons::OKCancel, MsgIcon::None), MsgResult::OK);
    EXPECT_EQ(MessageBox("?", "Сообщение", MsgButtons::YesNoCancel, MsgIcon::None), MsgResult::Yes);
    ShowMessage("Готово");
    EXPECT_EQ(responder.Texts(), (QStringList{"Выйти?", "Сохранить?", "Выйти?", "?", "?", "Готово"}));
    EXPECT_EQ(responder.shown.back().caption, QGuiApplication::applicationDisplayName());
}

TEST(Messages, FileAndColourDialogsAnswerFromTheirScripts)
{
    ScriptedResponder responder;
    responder.files = {"/tmp/a.prv"};
    EXPECT_EQ(OpenFileDialog(nullptr, "Архив|*.prv", "/tmp"), "/tmp/a.prv");
    EXPECT_EQ(SaveFileDialog(nullptr, "Excel|*.xls", "/home", "xls"), "");

    QColor color(Qt::red);
    responder.colors = {QColor(Qt::blue)};
    EXPECT_TRUE(ColorDialog(nullptr, color));
    EXPECT_EQ(color, QColor(Qt::blue));
    EXPECT_FALSE(ColorDialog(nullptr, color));
    EXPECT_EQ(color, QColor(Qt::blue));

    ASSERT_EQ(responder.shown.size(), 4u);
    EXPECT_EQ(responder.shown[0].kind, ShownMessage::Kind::OpenFile);
    EXPECT_EQ(responder.shown[0].filter, "Архив|*.prv");
    EXPECT_EQ(responder.shown[0].initialDir, "/tmp");
    EXPECT_EQ(responder.shown[1].kind, ShownMessage::Kind::SaveFile);
    EXPECT_EQ(responder.shown[1].defaultExt, "xls");
    EXPECT_EQ(responder.shown[2].kind, ShownMessage::Kind::Color);
}

TEST(Messages, FiltersInQtForm)
{
    const struct {
        const char* filter;
        const char* expected;
    } cases[] = {
        {"Архив|*.prv", "Архив (*.prv)"},
        {"Архив (*.prv)|*.prv|Все файлы|*.*", "Архив (*.prv);;Все файлы (*.*)"},
        {"Таблицы|*.ini;*.txt", "Таблицы (*.ini *.txt)"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QtFileFilter(QString::fromUtf8(c.filter)), QString::fromUtf8(c.expected)) << c.filter;
}
