#include "flashstatus.h"

QString flashStatus::text(const QString &state)
{
    return QStringLiteral("Current Status:   ") + state;
}

QString flashStatus::downloading(int block, int blockCount)
{
    return text(QStringLiteral("Downloading block %1 of %2").arg(block).arg(blockCount));
}
