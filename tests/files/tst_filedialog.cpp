#include "files/qtfiledialog.h"
#include "files/quieticonprovider.h"
#include "files/scriptedui.h"

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

    // Type names and icons come from the name and the kind of entry, never from the contents: each file
    // holds the bytes of a PDF, which a provider that sniffs calls "PDF document", and a named pipe
    // (whose open would block) is drawn like any file.
    void typeFromNameAlone()
    {
        QTemporaryDir dir;
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("pipe.kmf")).constData(), 0600), 0);
        const QuietIconProvider icons;
        QCOMPARE(icons.type(QFileInfo(dir.path())), QStringLiteral("Folder"));
        const QByteArray pdf = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
        const qint64 fileIcon = icons.icon(QAbstractFileIconProvider::File).cacheKey();
        for (const auto &[name, type] : { std::pair { "pipe.kmf", "KMF File" }, { "notes.kmf", "KMF File" },
                 { "notes", "File" }, { "notes.txt", "plain text document" } }) {
            const QString path = dir.filePath(name);
            QVERIFY(QFile::exists(path) || contents(path, pdf) == pdf);
            const QString shown = icons.type(QFileInfo(path));
            QVERIFY2(
                shown == type && icons.icon(QFileInfo(path)).cacheKey() == fileIcon, qPrintable(name + (": " + shown)));
        }
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
        QVERIFY(!dialog.showSave() && ownDialog && quietIcons && hiddenAtFirst && hiddenAgain);
        QCOMPARE(longNote,
            QStringLiteral("This name cannot be used: the name is 300 bytes long; a file name can be at most 255 "
                           "bytes."));
    }
};

QTEST_MAIN(TestFileDialog)
#include "tst_filedialog.moc"
