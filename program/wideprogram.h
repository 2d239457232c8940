#pragma once

#include "taskwindow.h"

class Dialogs;

class WideProgram : public TaskWindow
{
    Q_OBJECT
public:
    explicit WideProgram(Dialogs &dialogs, QWidget *parent = nullptr);

public slots:
    // A search window hands over a reader: address and control port.
    void setup(const QString &address, const QString &port);

private:
    Dialogs &m_dialogs;
};
