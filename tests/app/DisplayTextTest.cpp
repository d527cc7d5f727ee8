// The texts of the indicator, the device panel and the archive file names.
#include "app/DisplayText.h"

#include "device/PiroSignature.h"

#include <gtest/gtest.h>

namespace {

TEST(DisplayText, IndicatorValueHasExactlyThePrecisionsDecimals)
{
    struct Case {
        double value;
        int precision;
        const char* text;
    };
    const Case cases[] = {
        {1234.567, 0, "1235"},  {1234.567, 1, "1234.6"}, {1234.567, 2, "1234.57"}, {1234.567, 3, "1234.567"},
        {7, 3, "7.000"},        {0.4, 0, "0"},           {0.04, 2, "0.04"},        {-12.3456, 2, "-12.35"},
        {-1234.5, 1, "-1234.5"}, {8388.607, 3, "8388.607"}, {12345.6, 0, "12346"},
        {1234.567, 4, ""},      {1234.567, -1, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatIndicatorValue(c.value, c.precision), QString::fromLatin1(c.text))
            << c.value << " with " << c.precision;
}

TEST(DisplayText, ArchiveFileNameHasDayFolderAndTimeWithoutColons)
{
    struct Case {
        QDateTime at;
        const char* name;
    };
    const Case cases[] = {
        {{QDate(2025, 12, 9), QTime(14, 5, 33)}, "/p/Arhiv/09.12.25/14.05.33.prv"},
        {{QDate(2026, 1, 31), QTime(9, 0, 7)}, "/p/Arhiv/31.01.26/09.00.07.prv"},
        {{QDate(2000, 2, 29), QTime(23, 59, 59)}, "/p/Arhiv/29.02.00/23.59.59.prv"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ArhFileNameFor(QStringLiteral("/p"), QDateTimeToDateTime(c.at)), QString::fromLatin1(c.name));
}

TEST(DisplayText, TypeSuffixNamesUnknownTypesAndPadsTheVariant)
{
    struct Case {
        bool unknown;
        int typeNum, variant;
        const char* suffix;
    };
    const Case cases[] = {
        {false, 21, 5, "-05"}, {false, 21, 12, "-12"}, {false, 21, 0, "-00"},
        {true, 17, 3, "(17)-03"}, {true, 200, 10, "(200)-10"}, {false, 17, 255, "-255"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TypeSuffix(c.unknown, c.typeNum, c.variant), QString::fromLatin1(c.suffix)) << c.suffix;
}

TEST(DisplayText, WaveLengthsAboveThreeMicrometresAreStoredBackInMicrometres)
{
    struct Case {
        int wl1, wl2;
        char dilimiter;
        const char* text;
        int stored1, stored2;
    };
    const Case cases[] = {
        {8000, 14000, '/', "8/14 мкм", 8, 14},
        {900, 0, '/', "900", 900, 0},
        {4500, 0, '/', "4", 4, 0},
        {5500, 0, '/', "6", 6, 0},
        {1600, 2200, '-', "1600-2200 нм", 1600, 2200},
        {3000, 3001, '/', "3000/3 нм", 3000, 3},
        {3001, 900, '/', "3/900 мкм", 3, 900},
        {2500, 14500, '/', "2500/14 нм", 2500, 14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TPiroSignature sig;
        sig.WaveLength1 = std::uint16_t(c.wl1);
        sig.WaveLength2 = std::uint16_t(c.wl2);
        EXPECT_EQ(WaveLengthText(sig, QLatin1Char(c.dilimiter)), QString::fromUtf8(c.text));
        EXPECT_EQ(sig.WaveLength1, c.stored1);
        EXPECT_EQ(sig.WaveLength2, c.stored2);
    }
}

TEST(DisplayText, PanelNumbers)
{
    EXPECT_EQ(TempRangeText(400, 1800), QStringLiteral("400 - 1800"));
    EXPECT_EQ(TempRangeText(-50, -10), QStringLiteral("-50 - -10"));
    EXPECT_EQ(AligningIndexText(150), QStringLiteral("1 : 150"));

    const std::pair<int, const char*> plantNumbers[] = {
        {7, "0007"}, {42, "0042"}, {123, "0123"}, {1234, "1234"}, {65535, "65535"}, {0, "0000"}};
    for (const auto& [number, text] : plantNumbers)
        EXPECT_EQ(PlantNumberText(number), QString::fromLatin1(text)) << number;

    const std::pair<int, const char*> versions[] = {{23, "2.3"}, {5, "0.5"}, {10, "1.0"}, {0, "0.0"}, {255, "25.5"}};
    for (const auto& [version, text] : versions)
        EXPECT_EQ(ProgramVersionText(version), QString::fromLatin1(text)) << version;
}

TEST(DisplayText, RegulationKinds)
{
    struct Case {
        int type;
        bool known, pid;
        const char* text;
    };
    const Case cases[] = {
        {0, true, false, "   -   "}, {1, true, false, "Релейное"}, {2, true, true, "ШИМ"},
        {3, true, true, "Фазовое"},  {4, false, false, ""},          {255, false, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        bool known = !c.known;
        bool pid = !c.pid;
        const QString text = RegulationText(c.type, known, pid);
        EXPECT_EQ(known, c.known);
        EXPECT_EQ(pid, c.pid);
        if (c.known) {
            EXPECT_EQ(text, QString::fromUtf8(c.text));
        }
    }
}

TEST(DisplayText, ClockBytesCountTheWeekFromMonday)
{
    struct Case {
        QDateTime at;
        std::array<unsigned char, 7> bytes;
    };
    const Case cases[] = {
        {{QDate(2025, 12, 9), QTime(14, 5, 33)}, {33, 5, 14, 2, 9, 12, 25}},
        {{QDate(2026, 3, 1), QTime(0, 0, 0)}, {0, 0, 0, 7, 1, 3, 26}},
        {{QDate(2000, 1, 3), QTime(23, 59, 59)}, {59, 59, 23, 1, 3, 1, 0}},
    };
    for (const Case& c : cases) {
        std::array<unsigned char, 7> bytes{};
        ClockBytes(c.at, bytes.data());
        EXPECT_EQ(bytes, c.bytes) << c.at.toString(Qt::ISODate).toStdString();
    }
}

}  // namespace
