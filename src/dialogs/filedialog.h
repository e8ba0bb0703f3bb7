#pragma once

#include <QString>
#include <QStringList>

// The file dialog the file commands use (fileDialog): the commands set its properties anew on
// every use, show it, and read the chosen file name back.
class FileDialog
{
public:
    virtual ~FileDialog() = default;

    QString filter; // "Description (*.ext) | *.ext" pairs separated by "|"
    QString defaultSuffix; // added to a typed name that has no extension
    QString title;
    QString fileName; // preset before showing, the chosen file after
    bool failOnCancel = false; // a cancelled dialog is reported as a failure

    // Show the dialog. They return false when it was cancelled while failOnCancel is on; a cancel
    // with failOnCancel off returns true and leaves fileName as it was.
    virtual bool showSave() = 0;
    virtual bool showOpen() = 0;

    // The filter as name filters a file dialog shows: "Velmora Database file (*.kmf) | *.kmf"
    // gives "Velmora Database file (*.kmf)"; a description without its pattern gets it appended.
    static QStringList nameFilters(const QString &filter);
};
