#include "keymap.h"

#include <QKeyEvent>

int typedCharacter(const QKeyEvent *event)
{
    const QString text = event->text();
    if (text.size() != 1)
        return -1;
    const ushort code = text.at(0).unicode();
    return code <= 255 ? int(code) : -1;
}
