#include "platform/Cp1251.h"

#include <gtest/gtest.h>

TEST(Cp1251, EveryByteSurvivesTheRoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = Cp1251ToString(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(StringToCp1251(text), all);
    // No two bytes share a character.
    for (int i = 0; i < 256; ++i)
        for (int j = i + 1; j < 256; ++j)
            ASSERT_NE(text[i], text[j]) << i << " " << j;
}

TEST(Cp1251, BytesMapToTheirCharacters)
{
    const struct {
        unsigned char byte;
        char16_t ch;
    } cases[] = {
        {0x41, u'A'},     {0xC0, u'А'},     {0xDF, u'Я'},     {0xE0, u'а'},     {0xFF, u'я'},
        {0xA8, u'Ё'},     {0xB8, u'ё'},     {0xB9, u'№'},     {0x88, u'€'},     {0x80, u'Ђ'},
        {0x96, u'–'},     {0x97, u'—'},     {0xAB, u'«'},     {0xBB, u'»'},     {0xB0, u'°'},
        {0xA0, 0x00A0},   {0x98, 0x0098},   {0xA5, u'Ґ'},     {0xB4, u'ґ'},     {0x99, u'™'},
        {0xB2, u'І'},     {0xB3, u'і'},     {0xAA, u'Є'},     {0xBA, u'є'},     {0xAF, u'Ї'},
        {0xBF, u'ї'},     {0xA1, u'Ў'},     {0xA2, u'ў'},     {0x9F, u'џ'},     {0x8F, u'Џ'},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Cp1251ToString(QByteArray(1, char(c.byte))), QString(QChar(c.ch))) << int(c.byte);
        EXPECT_EQ(StringToCp1251(QString(QChar(c.ch))), QByteArray(1, char(c.byte))) << int(c.byte);
    }
}

TEST(Cp1251, RussianTextRoundTrip)
{
    const QString text = QStringLiteral("Предупреждение: Ёжик съел 5 щей, № 12 — «ОК»");
    const QByteArray bytes = StringToCp1251(text);
    EXPECT_EQ(bytes.size(), text.size());
    EXPECT_EQ(Cp1251ToString(bytes), text);
    EXPECT_EQ(StringToCp1251(QStringLiteral("Да")), QByteArray("\xC4\xE0"));
}

TEST(Cp1251, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(StringToCp1251(QStringLiteral("a中b")), QByteArray("a?b"));
    // A character outside the basic plane is one character, so one mark.
    EXPECT_EQ(StringToCp1251(QString::fromUtf8("x\xF0\x9F\x98\x80y")), QByteArray("x?y"));
}
