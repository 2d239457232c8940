#pragma once

#include "version.h"

#include <QString>
#include <QStringList>

// Every message box, question, input box and file dialog of the program goes
// through this interface, so that tests can answer them.
//
// Each call is modal: while it waits for the technician, events go on
// running, and the window that asked may be closed and deleted meanwhile (the
// program quitting, a session ending). Code that goes on after a dialog
// returns first checks that its window still exists (a QPointer taken before
// the call), and touches nothing of it otherwise.
class Dialogs
{
public:
    static inline const QString Title = QStringLiteral("ZAV TCP/IP V") + version::MajorMinor;

    virtual ~Dialogs() = default;

    // Modal message, OK only, no icon.
    virtual void message(const QString &text) = 0;
    // Modal Yes/No question; true for Yes.
    virtual bool question(const QString &text) = 0;
    // Input box with OK and Cancel and an empty default; Cancel gives empty text.
    virtual QString input(const QString &prompt, const QString &title) = 0;
    // A list to pick one item from, with OK and Cancel; the index of the
    // item picked, or -1 for Cancel.
    virtual int choose(const QString &prompt, const QStringList &items) = 0;

    struct FileRequest {
        QString defaultExtension;   // "bin"
        QString proposedName;       // "zavtcp.bin"
        QStringList filters;        // "Binary Files (*.bin)", "All Files (*.*)"
        bool mustExist = true;
    };
    // File-open dialog; false when cancelled, else the full path in 'path'.
    virtual bool openFile(const FileRequest &request, QString &path) = 0;
    // File-save dialog (mustExist is not used); asks before replacing a file.
    // False when cancelled, else the full path in 'path'.
    virtual bool saveFile(const FileRequest &request, QString &path) = 0;
};
