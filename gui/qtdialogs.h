#pragma once

#include "dialogs.h"

#include <QStringList>

// The dialogs a technician sees: Qt's message box, input box and file dialog
// with the program's title, no icon.
class QtDialogs : public Dialogs
{
public:
    void message(const QString &text) override;
    bool question(const QString &text) override;
    QString input(const QString &prompt, const QString &title) override;
    int choose(const QString &prompt, const QStringList &items) override;
    bool openFile(const FileRequest &request, QString &path) override;
    bool saveFile(const FileRequest &request, QString &path) override;
};

// The file dialog's filters as this system reads them: "*.*" matches only
// names with a dot here, so an "All Files (*.*)" entry becomes "(*)" and
// lists every file, as it does where the pattern comes from.
QStringList fileDialogNameFilters(const QStringList &filters);
