#include "commandlanguage.h"

#include "addresschecks.h"
#include "replybuffer.h"
#include "typedvalues.h"


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

namespace {
// The text has no blank at either end: what is sent is what was checked.
bool isSentAsChecked(const QString &text)
{
    return text == trimBlanks(text);
}
} // namespace

bool control::isPortNumber(const QByteArray &text)
{
    const QString typed = QString::fromLatin1(text);
    return isSentAsChecked(typed) && portFromText(typed).has_value();
}

bool control::isDottedAddress(const QByteArray &text)
{
    const QString typed = QString::fromLatin1(text);
    return isSentAsChecked(typed) && readerAddressFromText(typed).has_value();
}

bool control::hasClientSendId(const QByteArray &firmware)
{
    return firmware != FirmwareWithoutClientSendId;
}

QByteArray control::newPasswordArgument(const QByteArray &typed)
{
    return (typed + QByteArrayLiteral("    ")).left(5);
}
