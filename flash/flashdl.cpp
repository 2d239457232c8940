#include "flashdl.h"

#include "dialogs.h"

Flashdl::Flashdl(Dialogs &dialogs, QWidget *parent)
    : TaskWindow(QStringLiteral("Flashdl"), 10845, 5000, parent), m_dialogs(dialogs)
{
}
