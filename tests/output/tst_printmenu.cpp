#include "dialogs/messagebox.h"
#include "mapview/surface.h"
#include "output/clipboard.h"
#include "output/notescommands.h"
#include "output/notesexport.h"
#include "output/pagesetup.h"
#include "output/printdialog.h"
#include "output/printmapcommand.h"
#include "support/mainwindowfixture.h"

#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

namespace {

const QDateTime kNow(QDate(2024, 3, 5), QTime(14, 3, 7), QTimeZone::utc());

// Records what reaches the clipboard, the message boxes and the print dialog. The dialog makes the
// user's choices on the printer it is shown with (a PDF file, portrait, two copies and the
// preset colour mode; Qt's PDF printer keeps no duplex setting), or cancels when it has no file name.
class Scripted : public Clipboard, public MessageBox, public PrintDialog
{
public:
    QStringList shown;
    void setText(const QString &text) override { shown << text; }
    Answer show(const QString &text, const QString &title, Buttons buttons, Icon icon) override
    {
        shown << text + '|' + title + (buttons == Buttons::Ok && icon == Icon::Information ? "" : "|?");
        return Answer::Ok;
    }
    QString fileName;
    QPrinter::ColorMode colorMode = QPrinter::Color;
    bool showPrinter(QWidget *owner, QPrinter &printer) override
    {
        shown << QString::asprintf("%d %d %d", failOnCancel, orientation, owner != nullptr);
        if (fileName.isEmpty())
            return !failOnCancel;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fileName);
        printer.setPageOrientation(QPageLayout::Portrait);
        printer.setCopyCount(2);
        printer.setColorMode(colorMode);
        return true;
    }
};

} // namespace

class TestPrintMenu : public QObject
{
    Q_OBJECT
private slots:
    // Both exports go to the clipboard, each followed by the same message box. Notes are on stars 0 and 1
    // (negative co-ordinates, the second without the separator between its parts) and Sol; the player
    // export leaves every game-master part out.
    void notes()
    {
        MapModel model(m_window.table());
        model.notes.setNotes(0, QString::fromUtf8("L'Haÿe-les-Roses"), "Cold\r\nwind");
        model.notes.setTextWithoutParts(1, "No separator");
        model.notes.setNotes(StarTable::kSol, "GM only", "");
        const QString head = ' ' + generalDate(kNow) + "\r\n\r\n36 Ophiuchi A -4,-16,-8 K0 \r\n\r\n";
        const QString cold = "Player Notes\r\nCold\r\nwind\r\n\r\n", none = "Player Notes\r\n\r\n\r\n";
        const QString others = "36 Ophiuchi B -4,-16,-8 dK1 \r\n\r\nSol 0,0,0 G2 *\r\n\r\n";
        const QString gameMaster = "VQA Game Master Notes and Player Notes" + head
            + QString::fromUtf8("Game Master Notes\r\nL'Haÿe-les-Roses\r\n\r\n") + cold + others
            + "Game Master Notes\r\nGM only\r\n\r\n" + none;
        Scripted ui;
        NotesCommands commands(model, ui, ui, [] { return kNow; });
        commands.copyAllNotes();
        commands.copyPlayerNotes();
        const QString sent
            = "Notes have been sent to clipboard ready to paste into your chosen Program|Clipboard Ready";
        QCOMPARE(ui.shown, (QStringList { gameMaster, sent, "VQA Player Notes" + head + cold + others + none, sent }));
        // The general date format: short date, long time.
        QCOMPARE(generalDate(kNow, QLocale(QLocale::English, QLocale::UnitedStates)), "3/5/24 2:03:07 PM");
    }

    // The window is 0.9 of the screen's width, or of its height times the page ratio on a wide screen, in the
    // page's proportions, centred, its text scale its width over the page's (15 twips a pixel; 3840 x 2160 at
    // scale 2 is 1920 x 1080). Drawn in another shape, the page keeps its proportions, centred on whole
    // pixels; within a pixel of them (as set up) the window is all page.
    void pageSetUp()
    {
        for (const auto &[screen, window] : { std::pair { QSizeF(1600, 1200), QSizeF(1440, 1018.2) },
                 { QSizeF(1024, 768), QSizeF(921.6, 651.7) }, { QSizeF(1920, 1080), QSizeF(1374.6, 972) },
                 { QSizeF(1366, 768), QSizeF(977.5, 691.2) }, { QSizeF(2560, 1440), QSizeF(1832.9, 1296) } }) {
            const PageGeometry page = setUpPage(a4LandscapeTwips(), a4LandscapeMm(), screen * 15);
            const QRectF px(page.windowTwips.topLeft() / 15, page.windowTwips.size() / 15);
            QCOMPARE(QSizeF(std::round(px.width() * 10) / 10, std::round(px.height() * 10) / 10), window);
            QCOMPARE(px.center(), QPointF(screen.width() / 2, screen.height() / 2));
            QCOMPARE(page.textScale, page.windowTwips.width() / 16838);
        }
        for (const auto &[area, page] :
            { std::pair { QSizeF(922, 652), QRectF(0, 0, 922, 652) }, { QSizeF(1900, 676), QRectF(472, 0, 956, 676) },
                { QSizeF(900, 1000), QRectF(0, 182, 900, 636) }, { QSizeF(1442, 1018), QRectF(1, 0, 1440, 1018) } })
            QCOMPARE(fitPage(area, a4LandscapeMm()), page);
    }

    // Cancelled, in the dark mode, in the printer mode in greyscale: the page is drawn once at the
    // nominal text scale on A4 landscape, with the printer choices made in the dialog; printed or not,
    // the window then gets back its own size and scale and one fresh drawing.
    void printMap()
    {
        const QRect laidOut = m_window.geometry();
        for (const auto &[cancel, printerMode, grey] :
            { std::tuple { true, false, false }, { false, false, false }, { false, true, true } }) {
            m_window.setGeometry(20, 20, 300, 200);
            m_window.model().options.printerMode = printerMode;
            const int redraws = m_window.redrawCount();
            Scripted dialog;
            dialog.fileName = cancel ? QString() : m_dir.filePath(QString::number(printerMode));
            dialog.colorMode = grey ? QPrinter::GrayScale : QPrinter::Color;
            const auto draw = [&dialog](MapModel &model, Surface &surface) {
                dialog.shown << QString::asprintf("%g %d %gx%g", model.view.textScale, surface.isPrinter(),
                    surface.pageWidth(), surface.pageHeight());
                PrintMapCommand::redrawOnSurface(model, surface);
            };
            PrintMapCommand(
                m_window.model(), m_window.printer(), dialog, &m_window, [&] { m_window.setUpPage(); },
                [&] { m_window.refreshMap(); }, draw)
                .printMap();
            QCOMPARE(dialog.shown, QStringList { "1 2 1" } + (cancel ? QStringList() : QStringList { "1 1 297x210" }));
            QCOMPARE(m_window.geometry(), laidOut);
            QCOMPARE(m_window.redrawCount(), redraws + 1);
            QVERIFY(m_window.model().view.textScale == m_window.page().textScale && m_window.page().textScale < 1.0);
            if (cancel)
                continue;
            const QPrinter &printer = m_window.printer().printer();
            QVERIFY(printer.copyCount() == 2 && printer.colorMode() == dialog.colorMode);
            const QString &file = dialog.fileName;
            QCOMPARE(QProcess::execute("pdftoppm", { "-r", "72", "-png", "-singlefile", file, file }), 0);
            const QImage page(file + ".png");
            QCOMPARE(page.size(), QSize(842, 595)); // one A4 landscape page, though the dialog chose portrait
            QImage blank(page.size(), page.format());
            blank.fill(printerMode ? Qt::white : Qt::black);
            QVERIFY(page.pixel(835, 590) == blank.pixel(835, 590) && page != blank); // the map is on it
        }
    }

private:
    MainWindowFixture m_fixture;
    MainWindow &m_window = *m_fixture;
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestPrintMenu)
#include "tst_printmenu.moc"
