#pragma once

#include "taskwindow.h"

class Dialogs;

class UdpForm : public TaskWindow
{
    Q_OBJECT
public:
    explicit UdpForm(Dialogs &dialogs, QWidget *parent = nullptr);

private:
    Dialogs &m_dialogs;
};
