#include "clienttest.h"

#include "dialogs.h"

ClientTest::ClientTest(Dialogs &dialogs, QWidget *parent)
    : TaskWindow(QStringLiteral("clienttest"), 10740, 8130, parent), m_dialogs(dialogs)
{
}
