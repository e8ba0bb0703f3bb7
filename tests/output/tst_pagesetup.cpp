#include "output/pagesetup.h"

#include <QtTest>

class TestPageSetup : public QObject
{
    Q_OBJECT
private slots:
    void screen1024();
    void windowKeepsPageProportions();
};

void TestPageSetup::screen1024()
{
    // A 1024 x 768 pixel screen at 15 twips per pixel.
    const PageGeometry page = pagesetup(a4LandscapeTwips(), a4LandscapeMm(), QSizeF(15360, 11520));
    QCOMPARE(page.windowTwips.width(), 13824.0);
    QVERIFY(qAbs(page.windowTwips.height() - 9775) < 1.0);
    QCOMPARE(page.windowTwips.left(), (15360 - 13824) / 2.0);
    QVERIFY(qAbs(page.windowTwips.top() - (11520 - page.windowTwips.height()) / 2) < 1e-9);
    QCOMPARE(page.pageratio, 16838.0 / 11906.0);
    QCOMPARE(page.fscale, 13824.0 / 16838.0);
    QCOMPARE(page.scaleSize, QSizeF(297, 210));
}

void TestPageSetup::windowKeepsPageProportions()
{
    const PageGeometry page = pagesetup(a4LandscapeTwips(), a4LandscapeMm(), QSizeF(24000, 18000));
    QCOMPARE(page.windowTwips.center(), QPointF(12000, 9000));
    QVERIFY(qAbs(page.windowTwips.width() / page.windowTwips.height() - page.pageratio) < 1e-12);
}

QTEST_APPLESS_MAIN(TestPageSetup)
#include "tst_pagesetup.moc"
