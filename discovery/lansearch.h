#pragma once

#include "taskwindow.h"

class Dialogs;

class LanSearch : public TaskWindow
{
    Q_OBJECT
public:
    explicit LanSearch(Dialogs &dialogs, QWidget *parent = nullptr);

signals:
    // A reader was chosen by double click: hand it to Program Reader.
    void readerChosen(const QString &address, const QString &port);

private:
    Dialogs &m_dialogs;
};
