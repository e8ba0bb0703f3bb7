#include "files/qtfiledialog.h"
#include "files/quieticonprovider.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

// The file dialogs never read a file to draw it, and say why a name is too long.
class TestFileDialog : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_settings;

private slots:
    void initTestCase() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path()); }

    void typeFromNameAlone_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("type");
        // Each holds the bytes of a PDF: a provider that sniffs calls them all "PDF document".
        QTest::newRow("game state") << "notes.kmf"
                                    << "KMF File";
        QTest::newRow("no extension") << "notes"
                                      << "File";
        QTest::newRow("known extension") << "notes.txt"
                                         << "plain text document";
        QTest::newRow("named pipe") << "pipe.kmf"
                                    << "KMF File";
    }

    // Type names and icons come from the name and the kind of entry, never from the contents; a
    // named pipe (whose open would block) is drawn like any file.
    void typeFromNameAlone()
    {
        QFETCH(QString, name);
        QFETCH(QString, type);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (name.startsWith("pipe")) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n") > 0);
        }
        const QuietIconProvider icons;
        QCOMPARE(icons.type(QFileInfo(path)), type);
        QCOMPARE(icons.icon(QFileInfo(path)).cacheKey(), icons.icon(QAbstractFileIconProvider::File).cacheKey());
        QCOMPARE(icons.type(QFileInfo(dir.path())), QStringLiteral("Folder"));
    }

    // The dialog is the program's own with the quiet icons; a name longer than the folder takes
    // gets a line under it with the limit, which goes again when the name is shortened.
    void dialogExplainsNameLimit()
    {
        QTemporaryDir dir;
        QtFileDialog dialog(nullptr);
        dialog.failOnCancel = true;
        dialog.fileName = dir.filePath("mymap");
        dialog.title = "Save Game State";
        bool ownDialog = false, quietIcons = false, hiddenAtFirst = false, hiddenAgain = false;
        QString longNote;
        QTimer::singleShot(0, this, [&] {
            auto *shown = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!shown)
                return;
            ownDialog = shown->testOption(QFileDialog::DontUseNativeDialog);
            quietIcons = dynamic_cast<QuietIconProvider *>(shown->iconProvider()) != nullptr;
            auto *edit = shown->findChild<QLineEdit *>("fileNameEdit");
            auto *note = shown->findChild<QLabel *>("nameLimitNote");
            if (edit && note) {
                hiddenAtFirst = note->isHidden();
                edit->setText(QString(300, u'n'));
                longNote = note->isVisible() ? note->text() : QString();
                edit->setText(QString(255, u'n'));
                hiddenAgain = note->isHidden();
            }
            shown->reject();
        });
        QVERIFY(!dialog.showSave());
        QVERIFY(ownDialog);
        QVERIFY(quietIcons);
        QVERIFY(hiddenAtFirst);
        QCOMPARE(longNote,
            QStringLiteral("This name cannot be used: the name is 300 bytes long; a file name can be at most 255 "
                           "bytes."));
        QVERIFY(hiddenAgain);
    }
};

QTEST_MAIN(TestFileDialog)
#include "tst_filedialog.moc"
