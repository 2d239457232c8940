#include "wideprogram.h"

#include "dialogs.h"
#include "uikit.h"

WideProgram::WideProgram(Dialogs &dialogs, QWidget *parent)
    : TaskWindow(QStringLiteral("wideprogram"), 10650, 8220, parent), m_dialogs(dialogs)
{
    auto *text1 = new FilteredLineEdit(QStringLiteral("Text1"), 15, this);
    place(text1, 1740, 720, 1575, 315);
    auto *text2 = new FilteredLineEdit(QStringLiteral("Text2"), 5, this);
    place(text2, 4800, 720, 735, 315);
}

void WideProgram::setup(const QString &address, const QString &port)
{
    findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(address);
    findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(port);
}
