#include "udpform.h"

#include "dialogs.h"

UdpForm::UdpForm(Dialogs &dialogs, QWidget *parent)
    : TaskWindow(QStringLiteral("udpform"), 10740, 8130, parent), m_dialogs(dialogs)
{
}
