#include "app/mapcanvas.h"
#include "find/findstarpopup.h"
#include "find/starfindfield.h"
#include "find/starnamematcher.h"
#include "support/mainwindowfixture.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QtTest>

namespace {

// What a selection changes: the selected star, the sector origin, the second star and the redraws.
QList<int> selectionState(MainWindow &window)
{
    const ViewState &view = window.model().view;
    return { view.selectedStar, view.originX, view.originY, view.secondStar, window.redrawCount() };
}

// A main window after start-up, active so that the find field can take the keyboard.
struct FindWindow : MainWindowFixture
{
    MainWindow &window = **this;
    FindWindow()
    {
        window.show();
        window.activateWindow();
    }
    FindStarPopup *popup() const { return window.canvas()->findChild<FindStarPopup *>(); }
    StarFindField *openField()
    {
        if (!QTest::qWaitForWindowActive(&window))
            return nullptr;
        window.menu().findStarAction->trigger();
        return popup() && popup()->isVisible() && popup()->field()->hasFocus() ? popup()->field() : nullptr;
    }
};

// Keys typed in the field; "Down" and "Up" move in the list of names, "Enter" and "Escape" go to the
// list while it is open, as the list has the keyboard then.
void type(StarFindField *field, const QStringList &keys)
{
    static const QHash<QString, Qt::Key> named { { "Down", Qt::Key_Down }, { "Up", Qt::Key_Up },
        { "PageDown", Qt::Key_PageDown }, { "Enter", Qt::Key_Return }, { "Escape", Qt::Key_Escape } };
    for (const QString &key : keys) {
        QAbstractItemView *list = field->starCompleter()->popup();
        QWidget *target = list->isVisible() ? static_cast<QWidget *>(list) : field;
        if (named.contains(key))
            QTest::keyClick(target, named[key]);
        else
            QTest::keyClicks(field, key);
    }
}

} // namespace

class TestFind : public QObject
{
    Q_OBJECT
private slots:
    void matching()
    {
        const StarTable table = StarTable::fromCatalogue();
        const QStringList centauri { "Alpha Centauri A", "Alpha Centauri B", "Proxima Centauri" };
        // The query stands anywhere in the name, inside a word too, whatever the case and accents.
        // The best match is the whole name, else the first name with a word it starts, else the first.
        const std::tuple<QString, QStringList, QString> queries[] = { { "cen", centauri, "Alpha Centauri A" },
            { "CÉN", centauri, "Alpha Centauri A" }, { "tauri", centauri, "Alpha Centauri A" },
            { "alpha  c", { "Alpha Centauri A", "Alpha Centauri B" }, "Alpha Centauri A" },
            { "ac +1", { "AC +17°", "AC +18°" }, "AC +17°" }, { "61 cygni b", { "61 Cygni B" }, "61 Cygni B" },
            { "ceti", { "Tau Ceti", "UV Ceti A", "UV Ceti B" }, "Tau Ceti" }, { "ri a", { "Alpha Centauri A" }, "" },
            { "sirius b", { "Sirius B" }, "Sirius B" }, { "ius", { "Sirius A", "Sirius B" }, "" }, { "zzz", {}, "" } };
        const StarNameMatcher matcher(table);
        for (const auto &[query, names, best] : queries) {
            QStringList found;
            for (const int star : matcher.matching(query))
                found << table[star].starName;
            QVERIFY2(found == names, qPrintable(query + ": " + found.join(", ")));
            const int chosen = matcher.best(query);
            QCOMPARE(chosen < 0 ? QString() : table[chosen].starName, best.isEmpty() ? names.value(0) : best);
        }
    }

    // Enter in the field leaves the window exactly as a left click on the found star's dot does;
    // Escape closes the field, and nothing typed or moved in it changes the map.
    void keysInTheField_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("star"); // empty: the window stays as it was
        QTest::newRow("first match") << QStringList { "cen", "Enter" } << "Alpha Centauri A";
        QTest::newRow("chosen in list") << QStringList { "cen", "Down", "Down", "Down", "Enter" } << "Proxima Centauri";
        QTest::newRow("accents, off the sector") << QStringList { QString("VÍRGINIS"), "Enter" } << "61 Virginis";
        QTest::newRow("Escape typed") << QStringList { "cen", "Escape" } << QString();
        QTest::newRow("Escape moved in list") << QStringList { "cen", "Down", "Down", "Escape" } << QString();
        QTest::newRow("Escape no match, arrows")
            << QStringList { "zzz", "Down", "Up", "PageDown", "Escape" } << QString();
        QTest::newRow("Escape empty") << QStringList { "Escape" } << QString();
    }
    void keysInTheField()
    {
        QFETCH(QStringList, keys);
        QFETCH(QString, star);
        FindWindow found;
        const QList<int> before = selectionState(found.window);
        StarFindField *field = found.openField();
        QVERIFY(field);
        type(field, keys);
        QVERIFY(!found.popup()->isVisible());
        if (star.isEmpty()) {
            QVERIFY(found.window.isVisible()); // Escape leaves the field, never the program
            QCOMPARE(selectionState(found.window), before);
            return;
        }
        FindWindow clicked;
        const int index = clicked.star(star);
        emit clicked.window.canvas()->markerPressed(index, 1);
        QCOMPARE(found.window.model().view.selectedStar, index);
        QCOMPARE(selectionState(found.window), selectionState(clicked.window));
        QVERIFY(found.window.shownModel()->view.selectedStar == index);
    }

    // A miss says so in the field and Enter keeps it open; Shift+Enter makes the found star the second star
    // (a route's destination), leaving the selection and sector as they were.
    void shiftEnterAndMiss()
    {
        FindWindow found;
        StarFindField *field = found.openField();
        QVERIFY(field);
        type(field, { "zzz", "Enter" });
        QVERIFY(field->status() == "No star matches" && found.popup()->isVisible());
        field->clear();
        const QList<int> before = selectionState(found.window);
        type(field, { "tau ceti" });
        QVERIFY(field->status().isEmpty());
        QTest::keyClick(field->starCompleter()->popup(), Qt::Key_Return, Qt::ShiftModifier);
        const ViewState &view = found.window.model().view;
        QVERIFY(!found.popup()->isVisible() && view.secondStarChosen);
        QCOMPARE(found.window.table()[view.secondStar].starName, "Tau Ceti");
        QCOMPARE(selectionState(found.window).mid(0, 3), before.mid(0, 3));
    }
};

QTEST_MAIN(TestFind)
#include "tst_find.moc"
