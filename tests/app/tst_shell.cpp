#include "app/helpcard.h"
#include "app/mapcanvas.h"
#include "index/stellarindexwindow.h"
#include "mapview/displayoptionsdialog.h"
#include "support/mainwindowfixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QtTest>

#include <memory>

// The main window shell: start-up state, menus, Display Options, About, help card and closing.
// The window's own commands are reached through their menu actions, so a miswired action fails here.
class TestShell : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_fixture = std::make_unique<MainWindowFixture>();
        m_window = m_fixture->window();
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        QVERIFY(m_fixture->show());
    }
    void cleanup() { m_fixture.reset(); }

    void startUp()
    {
        // buildStarTable's redraw only hides the logo box; the load handler's own redraw draws.
        QCOMPARE(m_window->redrawCount(), 2);
        // Drawn at the screen's full pixel density, in A4 landscape proportions.
        const QImage &image = m_window->canvas()->image();
        QCOMPARE(image.devicePixelRatio(), m_window->canvas()->devicePixelRatioF());
        QCOMPARE(image.size(), m_window->canvas()->size() * m_window->canvas()->devicePixelRatioF());
        const QSize map = m_window->canvas()->size();
        QVERIFY(qAbs(double(map.width()) / map.height() - 297.0 / 210.0) < 0.01);
        // The help card sits inside the grid, clear of the scrolling bands, until a click hides it for good.
        HelpCard *card = m_window->helpCard();
        QVERIFY(card->isVisible());
        const QPointF topLeft = m_window->canvas()->toMap(card->geometry().topLeft());
        const QPointF bottomRight = m_window->canvas()->toMap(card->geometry().bottomRight());
        QVERIFY(topLeft.x() > 15 && topLeft.y() > 38 && bottomRight.x() < 165 && bottomRight.y() < 188);
        QTest::mouseClick(card, Qt::LeftButton);
        QVERIFY(!card->isVisible());
        m_window->refreshMap();
        QVERIFY(!card->isVisible());
    }

    // The dialog changes the options as it is used; "Exit Options" keeps them and redraws once,
    // the close box puts back what was there when it opened. Escape does neither.
    void displayOptionsKeepOrDiscard_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::newRow("Exit Options") << true;
        QTest::newRow("close box") << false;
    }
    void displayOptionsKeepOrDiscard()
    {
        QFETCH(bool, keep);
        action("dispopts")->trigger();
        DisplayOptionsDialog *dialog = m_window->displayOptionsDialog();
        QVERIFY(dialog->isVisible() && dialog->isModal());
        QComboBox *rangeText = child<QComboBox>(dialog, "zmax");

        // The range buttons only set the text; nothing is redrawn before the dialog is left.
        const int start = m_window->redrawCount();
        for (int i = 1; i <= 4; ++i) {
            QTest::mouseClick(child(dialog, QStringLiteral("Command%1").arg(i)), Qt::LeftButton);
            QCOMPARE(rangeText->currentText(), QString::number(10 * i));
        }
        rangeText->clearEditText();
        QTest::keyClicks(rangeText, "15");
        for (const char *name : { "col3", "Option10", "staridon", "xhair" })
            child(dialog, name)->click();
        QVERIFY(child(dialog, "col3")->isChecked()); // the two option groups are independent
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(dialog->isVisible());
        QCOMPARE(m_window->model().options.colourCode, 2);
        QCOMPARE(m_window->redrawCount(), start);

        if (keep)
            QTest::mouseClick(child(dialog, "OKButton"), Qt::LeftButton);
        else
            dialog->close();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(m_window->redrawCount(), start + int(keep));
        m_window->refreshMap();
        const ViewState &view = m_window->model().view;
        QCOMPARE((QList<int> { view.rangeHigh, view.rangeLow, view.colourCode, view.printerMode, view.showStarNumbers,
                     view.showCrossHairs }),
            (keep ? QList<int> { 15, -15, 2, 1, 1, 0 } : QList<int> { 40, -40, 0, 0, 0, 1 }));
        // Reopening shows what was kept.
        action("dispopts")->trigger();
        QCOMPARE(rangeText->currentText(), keep ? QStringLiteral("15") : QStringLiteral("40"));
        QCOMPARE(child(dialog, "col3")->isChecked(), keep);
    }

    // Resized wide (dark) or tall (printer mode), the map stays one A4 page centred on its background, its
    // texts scaled by the width it is drawn at, its click areas on its dots.
    void resizedWindowKeepsOnePage()
    {
        m_window->helpCard()->hide();
        MapCanvas *canvas = m_window->canvas();
        for (const auto &[size, printerMode] : { std::pair { QSize(1200, 400), false }, { QSize(500, 800), true } }) {
            m_window->model().options.printerMode = printerMode;
            m_window->resize(size);
            QTRY_COMPARE(canvas->image().size(), canvas->size() * canvas->devicePixelRatioF());
            m_window->refreshMap();
            const QRectF page = canvas->pageRect();
            QCOMPARE(page.center().toPoint(), canvas->rect().center() + QPoint(1, 1));
            QVERIFY(qAbs(page.width() / page.height() - 297.0 / 210.0) < 0.01 && page.size() != canvas->size());
            QCOMPARE(m_window->model().view.textScale, page.width() * 15 / 16838);
            const QImage image = canvas->image().scaled(canvas->size());
            QCOMPARE(image.pixelColor(canvas->width() - 1, canvas->height() - 1), printerMode ? Qt::white : Qt::black);
            const HitArea star = canvas->markers().front();
            QTest::mouseClick(
                canvas, Qt::LeftButton, {}, canvas->toWidget(star.rect.topLeft() + QPointF(2, 2)).toPoint());
            QCOMPARE(m_window->model().view.selectedStar, star.star);
        }
    }

    void aboutShowsSplashUntilClicked()
    {
        action("About")->trigger();
        SplashWindow &splash = m_fixture->splash;
        QVERIFY(splash.isVisible() && m_window->isEnabled());
        QTest::mouseClick(&splash, Qt::LeftButton);
        QVERIFY(!splash.isVisible());
        action("About")->trigger();
        QTest::keyClick(&splash, Qt::Key_A);
        QVERIFY(!splash.isVisible());
    }

    void everyWayOutClosesEveryWindow_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Exit") << "Exit";
        QTest::newRow("Escape") << "Escape";
        QTest::newRow("close box") << "close box";
    }
    void everyWayOutClosesEveryWindow()
    {
        QFETCH(QString, way);
        action("About")->trigger();
        action("dispopts")->trigger();
        m_window->displayOptionsDialog()->hide();
        action("dist")->trigger();
        QVERIFY(m_window->stellarIndex()->isVisible());
        if (way == "Exit")
            action("bye")->trigger();
        else if (way == "Escape")
            QTest::keyClick(m_window, Qt::Key_Escape);
        else
            m_window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_fixture->window());
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
    }

private:
    template <typename T = QAbstractButton>
    static T *child(QObject *parent, const QString &name)
    {
        T *found = parent->findChild<T *>(name);
        if (!found)
            qFatal("no child %s", qPrintable(name));
        return found;
    }
    QAction *action(const char *name) const { return child<QAction>(m_window, name); }

    std::unique_ptr<MainWindowFixture> m_fixture;
    MainWindow *m_window = nullptr;
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
