#include "app/mainwindow.h"
#include "app/splashwindow.h"
#include "mapview/surface.h"
#include "output/currentprinter.h"
#include "output/printdialog.h"
#include "output/printmapcommand.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <map>

namespace {

// Chooses a PDF file, or cancels, and remembers how it was preset.
class ScriptedPrintDialog : public PrintDialog
{
public:
    bool cancel = false;
    QString file;
    QStringList seen;

    bool ShowPrinter(QWidget *owner) override
    {
        seen << QStringLiteral("%1 %2 %3 %4").arg(CancelError).arg(Orientation).arg(Flags).arg(owner != nullptr);
        if (cancel)
            return !CancelError;
        FileName = file;
        return true;
    }
};

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The colour most of the page shows.
QRgb dominantColour(const QImage &page)
{
    std::map<QRgb, int> counts;
    for (int y = 0; y < page.height(); y += 3)
        for (int x = 0; x < page.width(); x += 3)
            ++counts[page.pixel(x, y)];
    return std::max_element(counts.begin(), counts.end(), [](auto a, auto b) { return a.second < b.second; })->first;
}

} // namespace

class TestPrintMap : public QObject
{
    Q_OBJECT
private slots:
    void printMap_data();
    void printMap();
    void windowReturnsToItsPage();
    void menuActionsAreWired();

private:
    PrintMapCommand command(MapModel &model, ScriptedPrintDialog &dialog)
    {
        return PrintMapCommand(
            model, m_printer, dialog, &m_owner,
            [this, &model] {
                m_steps << QStringLiteral("pagesetup");
                model.view.fscale = 0.5;
            },
            [this] { m_steps << QStringLiteral("redraw"); },
            [this](MapModel &drawn, Surface &surface) {
                m_steps << QStringLiteral("draw %1 %2 %3x%4")
                               .arg(drawn.view.fscale)
                               .arg(surface.isPrinter())
                               .arg(surface.ScaleWidth())
                               .arg(surface.ScaleHeight());
                PrintMapCommand::redrawOnSurface(drawn, surface);
            });
    }

    StarTable m_table = StarTable::fromCatalogue();
    CurrentPrinter m_printer;
    QWidget m_owner;
    QStringList m_steps;
    QTemporaryDir m_dir;
    std::unique_ptr<SplashWindow> m_splash;
    std::unique_ptr<MainWindow> m_window;
};

void TestPrintMap::printMap_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<bool>("printerMode");
    QTest::addColumn<QColor>("background");
    QTest::newRow("cancel") << true << false << QColor();
    QTest::newRow("Velmora Mode") << false << false << QColor(Qt::black);
    QTest::newRow("Printer or WYSIWYG Mode") << false << true << QColor(Qt::white);
}

void TestPrintMap::printMap()
{
    QFETCH(bool, cancel);
    QFETCH(bool, printerMode);
    QFETCH(QColor, background);
    MapModel model(m_table);
    model.logoBoxVisible = false;
    model.options.printerMode = printerMode;
    ScriptedPrintDialog dialog;
    dialog.cancel = cancel;
    dialog.file = m_dir.filePath(QStringLiteral("map%1%2.pdf").arg(cancel).arg(printerMode));
    m_steps.clear();
    command(model, dialog).pfile_Click();

    // The screen is restored on every path; the page is drawn once, at the nominal text scale.
    QCOMPARE(dialog.seen, QStringList { "1 2 1048576 1" });
    const QStringList restore = { "pagesetup", "redraw" };
    QCOMPARE(m_steps, cancel ? restore : QStringList { "draw 1 1 297x210" } + restore);
    QCOMPARE(model.view.fscale, 0.5);
    QCOMPARE(QFile::exists(dialog.file), !cancel);
    if (cancel)
        return;
    const QString info = run(QStringLiteral("pdfinfo"), { dialog.file });
    QVERIFY2(info.contains(QRegularExpression("Pages: +1\n")), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression("Page size: +842 x 595 pts \\(A4\\)")), qPrintable(info));
    const QString png = m_dir.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"), { "-r", "20", "-png", "-singlefile", dialog.file, png });
    const QImage page(png + ".png");
    QVERIFY(page.width() > page.height());
    QCOMPARE(QColor(dominantColour(page)), background);
}

void TestPrintMap::windowReturnsToItsPage()
{
    m_splash = std::make_unique<SplashWindow>();
    m_window = std::make_unique<MainWindow>(m_splash.get());
    MainWindow &window = *m_window;
    window.Form_Load();
    window.show();
    const QRect laidOut = window.geometry();
    window.setGeometry(20, 20, 300, 200);
    const int redraws = window.redrawCount();

    ScriptedPrintDialog dialog;
    dialog.file = m_dir.filePath(QStringLiteral("window.pdf"));
    PrintMapCommand print(
        window.model(), window.printer(), dialog, &window, [&] { window.pagesetup(); },
        [&] { window.Picture1_Click(); });
    print.pfile_Click();
    QVERIFY(QFileInfo(dialog.file).size() > 0);
    QCOMPARE(window.geometry(), laidOut);
    QCOMPARE(window.redrawCount(), redraws + 1);
    QCOMPARE(window.model().view.fscale, window.page().fscale);
    QVERIFY(window.page().fscale < 1.0);
}

void TestPrintMap::menuActionsAreWired()
{
    // Each action opens its dialog or message box (closed here at once); the notes land on the clipboard.
    const QStringList rows[] = {
        { "sfile", "Save Game State", "" },
        { "fload", "Load Game State", "" },
        { "splayer", "Save Player Game State", "" },
        { "lplayer", "Load Player Map", "" },
        { "pfile", "Print", "" },
        { "nprint", "Clipboard Ready", "VQA Game Master Notes and Player Notes " },
        { "npprint", "Clipboard Ready", "VQA Player Notes " },
    };
    QVERIFY(m_window);
    for (const QStringList &row : rows) {
        QGuiApplication::clipboard()->clear();
        QStringList titles;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&titles] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                titles << dialog->windowTitle();
                dialog->reject();
            }
        });
        closer.start(20);
        m_window->findChild<QAction *>(row.at(0))->trigger();
        closer.stop();
        QCOMPARE(titles, QStringList { row.at(1) });
        const QString text = QGuiApplication::clipboard()->text();
        QCOMPARE(text.left(row.at(2).size()), row.at(2));
        QCOMPARE(text.isEmpty(), row.at(2).isEmpty());
    }
}

QTEST_MAIN(TestPrintMap)
#include "tst_printmap.moc"
