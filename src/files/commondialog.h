#pragma once

#include <QString>
#include <QStringList>

// The file dialog the file commands use (fileDialog): the commands set its properties anew on
// every use, show it, and read the chosen file name back.
class CommonDialog
{
public:
    virtual ~CommonDialog() = default;

    QString Filter; // "Description (*.ext) | *.ext" pairs separated by "|"
    QString DefaultExt; // added to a typed name that has no extension
    QString DialogTitle;
    QString FileName; // preset before showing, the chosen file after
    bool CancelError = false; // a cancelled dialog is reported as a failure

    // Show the dialog. They return false when it was cancelled while CancelError is on; a cancel
    // with CancelError off returns true and leaves FileName as it was.
    virtual bool ShowSave() = 0;
    virtual bool ShowOpen() = 0;

    // The filter as name filters a file dialog shows: "Velmora Database file (*.kmf) | *.kmf"
    // gives "Velmora Database file (*.kmf)"; a description without its pattern gets it appended.
    static QStringList nameFilters(const QString &filter);
};
