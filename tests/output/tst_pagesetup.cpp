#include "output/pagesetup.h"

#include <QtTest>

class TestPageSetup : public QObject
{
    Q_OBJECT
private slots:
    void screen1024();
};

// On a 1024 x 768 pixel screen (15 twips a pixel) the window is 0.9 of the screen wide, has the
// page's proportions and sits in the middle.
void TestPageSetup::screen1024()
{
    const PageGeometry page = setUpPage(a4LandscapeTwips(), a4LandscapeMm(), QSizeF(15360, 11520));
    QCOMPARE(page.windowTwips.width(), 13824.0);
    QVERIFY(qAbs(page.windowTwips.height() - 13824.0 * 11906 / 16838) < 1e-6);
    QCOMPARE(page.windowTwips.center(), QPointF(7680, 5760));
    QCOMPARE(page.textScale, 13824.0 / 16838.0);
    QCOMPARE(page.scaleSize, QSizeF(297, 210));
}

QTEST_APPLESS_MAIN(TestPageSetup)
#include "tst_pagesetup.moc"
