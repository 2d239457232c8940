#pragma once

#include "dialogs.h"

#include <QQueue>
#include <QStringList>

#include <functional>

// Dialogs for tests: records every text and answers from queues. A hook may
// run while a dialog is "open", to act meanwhile (a click during a message).
class ScriptedDialogs : public Dialogs
{
public:
    void message(const QString &text) override;
    bool question(const QString &text) override;
    QString input(const QString &prompt, const QString &title) override;
    int choose(const QString &prompt, const QStringList &items) override;
    bool openFile(const FileRequest &request, QString &path) override;
    bool saveFile(const FileRequest &request, QString &path) override;

    QStringList messages;           // every message text, in order
    QStringList questions;          // every question text
    QStringList prompts;            // every input prompt
    QStringList inputTitles;        // every input title
    QList<QStringList> choices;     // the items of every list to choose from
    QList<FileRequest> fileRequests;
    QList<FileRequest> saveRequests;

    QQueue<bool> questionAnswers;   // default No when empty
    QQueue<QString> inputAnswers;   // default empty (as Cancel)
    QQueue<int> choiceAnswers;      // the index chosen; default -1 (Cancel)
    QQueue<QString> fileAnswers;    // an empty string is a cancel; none left is a cancel
    QQueue<QString> saveAnswers;    // the same for file-save dialogs

    // Runs while any dialog is open; its argument is the dialog's text.
    std::function<void(const QString &)> whileOpen;

    void clear();
};
