#pragma once

#include "taskwindow.h"

class Dialogs;

class Flashdl : public TaskWindow
{
    Q_OBJECT
public:
    explicit Flashdl(Dialogs &dialogs, QWidget *parent = nullptr);

private:
    Dialogs &m_dialogs;
};
