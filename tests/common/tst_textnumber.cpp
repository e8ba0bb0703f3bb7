#include "common/textnumber.h"

#include <QtTest>

#include <limits>

class TestTextNumber : public QObject
{
    Q_OBJECT
private slots:
    void lenientNumber_data();
    void lenientNumber();
    void roundHalfEven_data();
    void roundHalfEven();
    void rangeClampsBeyond32Bits();
    void formats_data();
    void formats();
};

void TestTextNumber::lenientNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("whole") << "15" << 15.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blank") << "   " << 0.0;
    QTest::newRow("half") << "12.5" << 12.5;
    QTest::newRow("signed exponent then junk") << " -3e2x" << -300.0;
    QTest::newRow("blanks inside") << "1 2" << 12.0;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("exponent without digits") << "4e" << 4.0;
    QTest::newRow("exponent with sign") << "2E-1" << 0.2;
    QTest::newRow("stops at second point") << "1.2.3" << 1.2;
    QTest::newRow("stops at second sign") << "-4-5" << -4.0;
    QTest::newRow("beyond 32 bits") << "99999999999" << 99999999999.0;
    QTest::newRow("unicode letters") << QString::fromUtf8("七3") << 0.0;
}

void TestTextNumber::lenientNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(common::lenientNumber(text), value);
}

void TestTextNumber::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");
    QTest::newRow("12.5") << 12.5 << 12.0;
    QTest::newRow("13.5") << 13.5 << 14.0;
    QTest::newRow("-2.5") << -2.5 << -2.0;
    QTest::newRow("-3.5") << -3.5 << -4.0;
    QTest::newRow("2.4999") << 2.4999 << 2.0;
    QTest::newRow("2.5001") << 2.5001 << 3.0;
    QTest::newRow("0.5") << 0.5 << 0.0;
}

void TestTextNumber::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(common::roundHalfEven(value), rounded);
}

void TestTextNumber::rangeClampsBeyond32Bits()
{
    constexpr qint64 limit = std::numeric_limits<qint32>::max();
    QCOMPARE(common::roundToRange(common::lenientNumber("1e20"), -limit, limit), limit);
    QCOMPARE(common::roundToRange(common::lenientNumber("-1e20"), -limit, limit), -limit);
    QCOMPARE(common::roundToRange(common::lenientNumber("1e999"), -limit, limit), limit);
    QCOMPARE(common::roundToRange(std::numeric_limits<double>::quiet_NaN(), -limit, limit), 0);
    QCOMPARE(common::roundToRange(2147483646.5, -limit, limit), 2147483646);
}

void TestTextNumber::formats_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("whole");
    QTest::addColumn<QString>("twoDigits");
    QTest::newRow("zero") << 0.0 << "0" << "00";
    QTest::newRow("five") << 5.0 << "5" << "05";
    QTest::newRow("minus seven") << -7.0 << "-7" << "-07";
    QTest::newRow("minus forty") << -40.0 << "-40" << "-40";
    QTest::newRow("hundred") << 100.0 << "100" << "100";
    QTest::newRow("distance") << 4.3588989 << "4" << "04";
    QTest::newRow("tiny negative") << -0.2 << "0" << "00";
}

void TestTextNumber::formats()
{
    QFETCH(double, value);
    QFETCH(QString, whole);
    QFETCH(QString, twoDigits);
    QCOMPARE(common::formatWhole(value), whole);
    QCOMPARE(common::formatTwoDigits(value), twoDigits);
}

QTEST_APPLESS_MAIN(TestTextNumber)
#include "tst_textnumber.moc"
