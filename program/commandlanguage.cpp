#include "commandlanguage.h"

#include "addresschecks.h"
#include "replybuffer.h"


QByteArray control::commandLine(const QByteArray &keyword, const QByteArray &argument)
{
    QByteArray line;
    line.reserve(keyword.size() + argument.size() + 1);
    line.append(keyword).append(argument).append(CarriageReturn);
    return line;
}

QByteArray control::loginLine(const QByteArray &password)
{
    return commandLine(QByteArrayLiteral("PASS"), password);
}

bool control::isAcknowledgement(const QByteArray &replyBuffer)
{
    return ReplyBuffer::isAcknowledgement(replyBuffer);
}

bool control::mayBecomeAcknowledgement(const QByteArray &replyBuffer)
{
    return replyBuffer.size() < 3 && QByteArrayLiteral("OK\r").startsWith(replyBuffer);
}

bool control::isCompleteStatReply(const QByteArray &replyBuffer)
{
    return !replyBuffer.isEmpty() && replyBuffer.endsWith(CarriageReturn);
}

bool control::isPortNumber(const QByteArray &text)
{
    if (text.isEmpty() || text.size() > 5)
        return false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    const int port = text.toInt();
    return port >= 1 && port <= 65535;
}

bool control::isDottedAddress(const QByteArray &text)
{
    return isNumericAddress(QString::fromLatin1(text));
}

bool control::hasClientSendId(const QByteArray &firmware)
{
    return firmware != FirmwareWithoutClientSendId;
}

QByteArray control::newPasswordArgument(const QByteArray &typed)
{
    return (typed + QByteArrayLiteral("    ")).left(5);
}

int codes::boxForCode(const QByteArray &field, const QByteArrayList &groupCodes)
{
    return int(groupCodes.indexOf(field));
}

QByteArray codes::codeFromChecks(const QList<bool> &checked, const QByteArrayList &groupCodes,
                                 const QByteArray &previous)
{
    QByteArray code = previous;
    for (int i = 0; i < checked.size() && i < groupCodes.size(); ++i) {
        if (checked.at(i))
            code = groupCodes.at(i);
    }
    return code;
}
