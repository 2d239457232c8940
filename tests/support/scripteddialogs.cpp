#include "scripteddialogs.h"

void ScriptedDialogs::message(const QString &text)
{
    messages.append(text);
    if (whileOpen)
        whileOpen(text);
}

bool ScriptedDialogs::question(const QString &text)
{
    questions.append(text);
    if (whileOpen)
        whileOpen(text);
    return questionAnswers.isEmpty() ? false : questionAnswers.dequeue();
}

QString ScriptedDialogs::input(const QString &prompt, const QString &title)
{
    prompts.append(prompt);
    inputTitles.append(title);
    if (whileOpen)
        whileOpen(prompt);
    return inputAnswers.isEmpty() ? QString() : inputAnswers.dequeue();
}

int ScriptedDialogs::choose(const QString &prompt, const QStringList &items)
{
    prompts.append(prompt);
    choices.append(items);
    if (whileOpen)
        whileOpen(prompt);
    return choiceAnswers.isEmpty() ? -1 : choiceAnswers.dequeue();
}

bool ScriptedDialogs::openFile(const FileRequest &request, QString &path)
{
    fileRequests.append(request);
    if (whileOpen)
        whileOpen(request.proposedName);
    if (fileAnswers.isEmpty())
        return false;
    const QString answer = fileAnswers.dequeue();
    if (answer.isEmpty())
        return false;
    path = answer;
    return true;
}

bool ScriptedDialogs::saveFile(const FileRequest &request, QString &path)
{
    saveRequests.append(request);
    if (whileOpen)
        whileOpen(request.proposedName);
    if (saveAnswers.isEmpty())
        return false;
    const QString answer = saveAnswers.dequeue();
    if (answer.isEmpty())
        return false;
    path = answer;
    return true;
}

void ScriptedDialogs::clear()
{
    messages.clear();
    questions.clear();
    prompts.clear();
    inputTitles.clear();
    choices.clear();
    fileRequests.clear();
    saveRequests.clear();
}
