#include "replybuffer.h"

void replybuffer::append(QByteArray &buffer, const QByteArray &chunk)
{
    const qsizetype room = Limit - buffer.size();
    if (room > 0)
        buffer.append(chunk.constData(), qMin(room, chunk.size()));
}
