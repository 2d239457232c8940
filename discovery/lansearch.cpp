#include "lansearch.h"

#include "dialogs.h"

LanSearch::LanSearch(Dialogs &dialogs, QWidget *parent)
    : TaskWindow(QStringLiteral("lansearch"), 9930, 8160, parent), m_dialogs(dialogs)
{
}
