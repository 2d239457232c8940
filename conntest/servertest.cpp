#include "servertest.h"

#include "dialogs.h"

ServerTest::ServerTest(Dialogs &dialogs, QWidget *parent)
    : TaskWindow(QStringLiteral("servertest"), 10845, 8115, parent), m_dialogs(dialogs)
{
}
