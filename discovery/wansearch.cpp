#include "wansearch.h"

#include "dialogs.h"

WanSearch::WanSearch(Dialogs &dialogs, QWidget *parent)
    : TaskWindow(QStringLiteral("wansearch"), 10500, 8385, parent), m_dialogs(dialogs)
{
}
