#include "common/textnumber.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <clocale>
#include <limits>

class TestTextNumber : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Numbers read the same where the user's locale writes a decimal comma: compile a German
        // locale (the locales package has its source) and make it the C library's number locale.
        QVERIFY(m_locales.isValid());
        QCOMPARE(
            QProcess::execute("localedef", { "-i", "de_DE", "-f", "UTF-8", m_locales.filePath("de_DE.UTF-8") }), 0);
        qputenv("LOCPATH", QFile::encodeName(m_locales.path()));
        QVERIFY(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"));
        QCOMPARE(std::strtod("12.5", nullptr), 12.0); // the comma locale is in effect
    }

    void numbers()
    {
        // Base 10 whatever the leading digits; blanks are skipped anywhere; reading stops at the first
        // character that cannot continue the number.
        const std::pair<const char *, double> read[] = { { "abc", 0 }, { "12.5", 12.5 }, { "010", 10 }, { "0x1F", 0 },
            { " -3e2x", -300 }, { "1 \t2", 12 }, { "+7", 7 }, { "-", 0 }, { ".5", 0.5 }, { "5.", 5 }, { "4e", 4 },
            { "2E-1", 0.2 }, { "1.2.3", 1.2 }, { "-4-5", -4 }, { "七3", 0 } };
        for (const auto &[text, value] : read)
            QVERIFY2(common::lenientNumber(QString::fromUtf8(text)) == value, text);

        // Halves go to the even neighbour, everywhere a number becomes whole; too large a number is clamped.
        const std::pair<double, double> halves[]
            = { { 12.5, 12 }, { 13.5, 14 }, { -2.5, -2 }, { -3.5, -4 }, { 2.4999, 2 }, { 2.5001, 3 } };
        for (const auto &[value, rounded] : halves)
            QCOMPARE(common::roundHalfEven(value), rounded);
        constexpr qint64 limit = std::numeric_limits<qint32>::max();
        QCOMPARE(common::roundToRange(common::lenientNumber("-1e999"), -limit, limit), -limit);
        QCOMPARE(common::roundToRange(common::lenientNumber("1e999"), -limit, limit), limit);
        QCOMPARE(common::roundToRange(std::numeric_limits<double>::quiet_NaN(), -limit, limit), 0);

        // "#0" and "00".
        const std::tuple<double, const char *, const char *> formats[] = { { 5, "5", "05" }, { -7, "-7", "-07" },
            { -40, "-40", "-40" }, { 100, "100", "100" }, { -0.2, "0", "00" } };
        for (const auto &[value, whole, twoDigits] : formats) {
            QCOMPARE(common::formatWhole(value), QString::fromLatin1(whole));
            QCOMPARE(common::formatTwoDigits(value), QString::fromLatin1(twoDigits));
        }
    }

private:
    QTemporaryDir m_locales;
};

QTEST_APPLESS_MAIN(TestTextNumber)
#include "tst_textnumber.moc"
