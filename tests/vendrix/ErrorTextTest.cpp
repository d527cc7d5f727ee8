#include "platform/Messages.h"
#include "vendrix/Vendrix.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

TEST(ShowError, ShowsTheTextAsAnErrorDialog)
{
    ScriptedResponder responder;
    ShowError(vendrix::ErrNoAnswer);
    ASSERT_EQ(responder.shown.size(), 1u);
    EXPECT_EQ(responder.shown[0].kind, ShownMessage::Kind::Dialog);
    EXPECT_EQ(responder.shown[0].type, DlgType::Error);
    EXPECT_EQ(responder.shown[0].buttons, MsgButtons::OK);
    EXPECT_EQ(responder.shown[0].text, QStringLiteral("Прибор не отвечает."));
}

TEST(ShowError, ShowsNothingForSuccessAndNegativeCodes)
{
    ScriptedResponder responder;
    ShowError(0);
    ShowError(-1);
    EXPECT_TRUE(responder.shown.empty());
}

TEST(ShowError, EveryErrorCodeHasItsOwnText)
{
    QSet<QString> texts;
    for (int code = vendrix::ErrNoAnswer; code <= vendrix::ErrBusy; ++code) {
        const QString text = vendrix::ErrorText(code);
        EXPECT_FALSE(text.isEmpty()) << code;
        texts.insert(text);
    }
    EXPECT_EQ(texts.size(), vendrix::ErrBusy);
}

TEST(ShowError, UnknownCodeNamesTheCode)
{
    ScriptedResponder responder;
    ShowError(99);
    ASSERT_EQ(responder.shown.size(), 1u);
    EXPECT_EQ(responder.shown[0].text, QStringLiteral("Неизвестная ошибка обмена с прибором (код 99)."));
}

}  // namespace
