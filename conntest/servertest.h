#pragma once

#include "taskwindow.h"

class Dialogs;

class ServerTest : public TaskWindow
{
    Q_OBJECT
public:
    explicit ServerTest(Dialogs &dialogs, QWidget *parent = nullptr);

private:
    Dialogs &m_dialogs;
};
