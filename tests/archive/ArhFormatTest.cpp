// The text of archive files: both record forms byte for byte, and the
// reader on in-memory text.
#include "archive/ArhFormat.h"
#include "platform/Exceptions.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

QByteArray RecordText(const TArhLine& point)
{
    QByteArray out;
    AppendRecordLine(out, point);
    return out;
}

QByteArray SavedText(const TArhLine& point)
{
    QByteArray out;
    AppendSavedLine(out, point);
    return out;
}

TArh ReadText(const QByteArray& text)
{
    QByteArray copy = text;
    QBuffer buffer(&copy);
    EXPECT_TRUE(buffer.open(QIODevice::ReadOnly));
    TArhTextReader reader(buffer);
    TArh arh;
    reader.ReadHead(arh.GMode);
    reader.ReadPoints(arh.Points);
    return arh;
}

struct FormCase {
    TArhLine point;
    const char* text;
};

TEST(ArhRecordForm, FieldsAreRightAlignedAndAlwaysApart)
{
    const FormCase cases[] = {
        // The 31-character line of channel 1 at noon with 234.5.
        {{1, 0.5, 234.5}, "    1  0.500000000000 234.50000\r\n"},
        // 1234.50000 fills its field and still gets a blank in front.
        {{1, 0.5, 1234.5}, "    1  0.500000000000 1234.50000\r\n"},
        {{1, 0.5, -1234.5}, "    1  0.500000000000 -1234.50000\r\n"},
        {{4, 0.25, -3.25}, "    4  0.250000000000  -3.25000\r\n"},
        {{3, 0.75, 8388.607}, "    3  0.750000000000 8388.60700\r\n"},
        // A full date-time overflows the time field.
        {{2, 45000.5, 0}, "    2 45000.500000000000   0.00000\r\n"},
        {{255, 0, 0.00001}, "  255  0.000000000000   0.00001\r\n"},
    };
    for (const FormCase& c : cases)
        EXPECT_EQ(RecordText(c.point), QByteArray(c.text)) << c.text;
    EXPECT_EQ(RecordText({1, 0.5, 234.5}).size(), 31 + 2);
}

TEST(ArhSaveForm, ChannelThenTwoScientificNumbers)
{
    const FormCase cases[] = {
        {{1, 0.5, 1234.5}, "1    5.00000000000000E-0001    1.23450000000000E+0003\r\n"},
        {{2, 45000.5, -2.5}, "2    4.50005000000000E+0004   -2.50000000000000E+0000\r\n"},
        {{4, 0, -0.0}, "4    0.00000000000000E+0000    0.00000000000000E+0000\r\n"},
        {{3, 0.1, 8388.607}, "3    1.00000000000000E-0001    8.38860700000000E+0003\r\n"},
    };
    for (const FormCase& c : cases)
        EXPECT_EQ(SavedText(c.point), QByteArray(c.text)) << c.text;
}

TEST(ArhSaveForm, ScientificTextHasTwentyThreeCharacters)
{
    for (double v : {0.0, 1.0, -1.0, 1234.5, -1e-300, 1e300, 45000.123456789012})
        EXPECT_EQ(ScientificText(v).size(), 23) << v;
    EXPECT_EQ(ScientificText(1234.5), QStringLiteral(" 1.23450000000000E+0003"));
    EXPECT_EQ(ScientificText(45000.5), QStringLiteral(" 4.50005000000000E+0004"));
}

TEST(ArhHead, TitleCountThenNameAndUnitPerLine)
{
    TGraphMode mode;
    mode.Title = QStringLiteral("Температура");
    mode.LinesCount = 2;
    mode.Lines = QStringList{QStringLiteral("Т1"), QStringLiteral("Т2")};
    mode.Dims = QStringList{QStringLiteral("T°C"), QStringLiteral("%")};
    QByteArray out;
    AppendHead(out, mode);
    EXPECT_EQ(out, QByteArray("\xD2\xE5\xEC\xEF\xE5\xF0\xE0\xF2\xF3\xF0\xE0\r\n2\r\n"
                              "\xD2" "1\r\nT\xB0" "C\r\n\xD2" "2\r\n%\r\n"));

    TGraphMode empty;
    empty.Title = QStringLiteral("Пусто");
    out.clear();
    AppendHead(out, empty);
    EXPECT_EQ(out, QByteArray("\xCF\xF3\xF1\xF2\xEE\r\n0\r\n"));
}

TEST(ArhHead, MissingNamesAreWrittenEmpty)
{
    TGraphMode mode;
    mode.Title = QStringLiteral("M");
    mode.LinesCount = 2;
    mode.Lines = QStringList{QStringLiteral("a")};
    QByteArray out;
    AppendHead(out, mode);
    EXPECT_EQ(out, QByteArray("M\r\n2\r\na\r\n\r\n\r\n\r\n"));
}

TEST(ArhReader, ReadsBothFormsAlike)
{
    const TArhLine points[] = {{1, 0.5, 1234.5}, {2, 0.25, -3.25}, {4, 0.125, 8388.607}};
    TGraphMode mode;
    mode.Title = QStringLiteral("Два канала");
    mode.LinesCount = 2;
    mode.Lines = QStringList{QStringLiteral("Температура"), QStringLiteral("Ток")};
    mode.Dims = QStringList{QStringLiteral("T°C"), QStringLiteral("мА")};
    QByteArray recorded, saved;
    AppendHead(recorded, mode);
    AppendHead(saved, mode);
    for (const TArhLine& p : points) {
        AppendRecordLine(recorded, p);
        AppendSavedLine(saved, p);
    }
    for (const QByteArray& text : {recorded, saved}) {
        const TArh arh = ReadText(text);
        EXPECT_EQ(arh.GMode.Title, mode.Title);
        EXPECT_EQ(arh.GMode.LinesCount, 2);
        EXPECT_EQ(arh.GMode.Lines, mode.Lines);
        EXPECT_EQ(arh.GMode.Dims, mode.Dims);
        ASSERT_EQ(arh.Points.size(), std::size(points));
        for (std::size_t i = 0; i < std::size(points); ++i) {
            EXPECT_EQ(arh.Points[i].Channel, points[i].Channel);
            EXPECT_DOUBLE_EQ(arh.Points[i].Time, points[i].Time);
            EXPECT_DOUBLE_EQ(arh.Points[i].Value, points[i].Value);
        }
    }
}

struct ReadCase {
    const char* name;
    QByteArray text;
    std::vector<TArhLine> points;
};

TEST(ArhReader, RecordRules)
{
    const ReadCase cases[] = {
        {"numbers may span lines and tabs", "T\r\n0\r\n1\r\n\t0.5\r\n  2.5 tail\r\n3 0.1 4\r\n",
         {{1, 0.5, 2.5}, {3, 0.1, 4}}},
        {"rest of the line is skipped", "T\r\n0\r\n1 0.5 2.5 junk, 9\r\n2 0.6 3.5\r\n",
         {{1, 0.5, 2.5}, {2, 0.6, 3.5}}},
        {"only the low 8 bits of the channel", "T\r\n0\r\n257 0 1\r\n-1 0 2\r\n", {{1, 0, 1}, {255, 0, 2}}},
        {"last line without line end", "T\r\n0\r\n    1  0.500000000000 234.50000", {{1, 0.5, 234.5}}},
        {"number at the very end reads 0", "T\r\n0\r\n    1  0.5", {{1, 0.5, 0}}},
        {"line feeds alone end lines", "T\n0\n1 0.5 2.5\n2 0.5 3.5\n", {{1, 0.5, 2.5}, {2, 0.5, 3.5}}},
        {"no records", "T\r\n0\r\n", {}},
    };
    for (const ReadCase& c : cases) {
        const TArh arh = ReadText(c.text);
        ASSERT_EQ(arh.Points.size(), c.points.size()) << c.name;
        for (std::size_t i = 0; i < c.points.size(); ++i) {
            EXPECT_EQ(arh.Points[i].Channel, c.points[i].Channel) << c.name;
            EXPECT_DOUBLE_EQ(arh.Points[i].Time, c.points[i].Time) << c.name;
            EXPECT_DOUBLE_EQ(arh.Points[i].Value, c.points[i].Value) << c.name;
        }
    }
}

TEST(ArhReader, HeaderRules)
{
    TArh arh = ReadText("");
    EXPECT_EQ(arh.GMode.Title, QString());
    EXPECT_EQ(arh.GMode.LinesCount, 0);
    EXPECT_TRUE(arh.GMode.Lines.isEmpty());
    EXPECT_TRUE(arh.GMode.Dims.isEmpty());
    EXPECT_TRUE(arh.Points.empty());

    arh = ReadText("Title with 2 numbers 3\r\n1 and the rest\r\nName\r\nUnit\r\n");
    EXPECT_EQ(arh.GMode.Title, QStringLiteral("Title with 2 numbers 3"));
    EXPECT_EQ(arh.GMode.LinesCount, 1);
    EXPECT_EQ(arh.GMode.Lines, QStringList{QStringLiteral("Name")});
    EXPECT_EQ(arh.GMode.Dims, QStringList{QStringLiteral("Unit")});
    EXPECT_TRUE(arh.Points.empty());

    // A header cut short still has LinesCount entries.
    arh = ReadText("T\r\n2\r\nOne\r\n");
    EXPECT_EQ(arh.GMode.LinesCount, 2);
    EXPECT_EQ(arh.GMode.Lines, (QStringList{QStringLiteral("One"), QString()}));
    EXPECT_EQ(arh.GMode.Dims, (QStringList{QString(), QString()}));
}

TEST(ArhReader, InvalidNumbersAreRejected)
{
    const struct {
        const char* name;
        QByteArray text;
    } cases[] = {
        {"comma as decimal separator", "T\r\n0\r\n    1  0.500000000000 234,50000\r\n"},
        {"fraction as channel", "T\r\n0\r\n1.5 0.5 1\r\n"},
        {"word as line count", "T\r\nzwei\r\n"},
        {"negative line count", "T\r\n-1\r\n"},
        {"line count beyond any channel", "T\r\n1000000000\r\n"},
        {"integer token over 32 characters", "T\r\n0\r\n" + QByteArray(33, '1') + " 0 0\r\n"},
        {"real token over 64 characters", "T\r\n0\r\n1 0." + QByteArray(63, '5') + " 0\r\n"},
        {"garbage glued to a number", "T\r\n0\r\n1 0.5x 1\r\n"},
    };
    for (const auto& c : cases) {
        try {
            ReadText(c.text);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Invalid numeric input")) << c.name;
        }
    }
}

TEST(ArhReader, LongestTokensAreAccepted)
{
    const TArh arh = ReadText("T\r\n0\r\n" + QByteArray(31, '0') + "2 0." + QByteArray(62, '5') + " 1\r\n");
    ASSERT_EQ(arh.Points.size(), 1u);
    EXPECT_EQ(arh.Points[0].Channel, 2);
    EXPECT_NEAR(arh.Points[0].Time, 0.5555555555, 1e-9);
}

// A device whose reads fail, as a disk with a bad sector does.
class FailingDevice : public QIODevice {
protected:
    qint64 readData(char*, qint64) override
    {
        setErrorString(QStringLiteral("Input/output error"));
        return -1;
    }
    qint64 writeData(const char*, qint64) override { return -1; }
};

TEST(ArhReader, ReadFailureCarriesTheDeviceMessage)
{
    FailingDevice device;
    ASSERT_TRUE(device.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    TArhTextReader reader(device);
    TGraphMode mode;
    try {
        reader.ReadHead(mode);
        ADD_FAILURE() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Input/output error"));
    }
}

} // namespace
