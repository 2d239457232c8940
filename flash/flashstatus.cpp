#include "flashstatus.h"

#include <QCoreApplication>

QString flashStatus::text(const QString &state)
{
    //: The download window's status line, at most 525 pixels wide; %1 is what the download does now.
    return QCoreApplication::translate("FlashStatus", "Current Status:   %1").arg(state);
}

QString flashStatus::downloading(int block, int blockCount)
{
    return text(QCoreApplication::translate("FlashStatus", "Downloading block %1 of %2").arg(block).arg(blockCount));
}
