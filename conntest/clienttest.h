#pragma once

#include "taskwindow.h"

class Dialogs;

class ClientTest : public TaskWindow
{
    Q_OBJECT
public:
    explicit ClientTest(Dialogs &dialogs, QWidget *parent = nullptr);

private:
    Dialogs &m_dialogs;
};
