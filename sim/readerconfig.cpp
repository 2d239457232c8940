#include "readerconfig.h"

#include <QList>
#include <QRegularExpression>

bool ReaderConfig::isDottedAddress(const QByteArray &text)
{
    const QList<QByteArray> groups = text.split('.');
    if (groups.size() != 4)
        return false;
    for (const QByteArray &group : groups) {
        if (group.isEmpty() || group.size() > 3)
            return false;
        for (char c : group)
            if (c < '0' || c > '9')
                return false;
        if (group.toInt() > 255)
            return false;
    }
    return true;
}

char ReaderConfig::modeCode(const QByteArray &name)
{
    const QByteArray lower = name.trimmed().toLower();
    if (lower == "server" || lower == "0")
        return '0';
    if (lower == "client" || lower == "1")
        return '1';
    if (lower == "udp" || lower == "2")
        return '2';
    return '\0';
}

QByteArray ReaderConfig::modeName(char code)
{
    switch (code) {
    case '0': return "server";
    case '1': return "client";
    case '2': return "udp";
    default: return "mode " + QByteArray(1, code);
    }
}

Fault Fault::noAnswer() { Fault f; f.kind = NoAnswer; return f; }
Fault Fault::replace(const QByteArray &reply) { Fault f; f.kind = Replace; f.bytes = reply; return f; }
Fault Fault::okCrLf() { return replace("OK\r\n"); }
Fault Fault::lowerCaseOk() { return replace("ok\r"); }
Fault Fault::extraBytes(const QByteArray &extra) { Fault f; f.kind = Append; f.bytes = extra; return f; }
Fault Fault::split(int chunkSize, int delayMs)
{
    Fault f;
    f.kind = Split;
    f.chunkSize = qMax(1, chunkSize);
    f.delayMs = qMax(0, delayMs);
    return f;
}
Fault Fault::slow(int delayMs) { Fault f; f.kind = Delay; f.delayMs = qMax(0, delayMs); return f; }
Fault Fault::closeMidway(int delayMs) { Fault f; f.kind = Close; f.delayMs = qMax(0, delayMs); return f; }
Fault Fault::resetMidway(int delayMs) { Fault f; f.kind = Reset; f.delayMs = qMax(0, delayMs); return f; }
Fault Fault::flood(qint64 bytes) { Fault f; f.kind = Flood; f.count = qMax<qint64>(0, bytes); return f; }
Fault Fault::oversized(qint64 bytes) { Fault f; f.kind = Oversize; f.count = qMax<qint64>(0, bytes); return f; }
Fault Fault::drip(int delayMs) { Fault f; f.kind = Drip; f.delayMs = qMax(0, delayMs); return f; }
Fault Fault::allByteValues()
{
    QByteArray bytes(256, Qt::Uninitialized);
    for (int b = 0; b < 256; ++b)
        bytes[b] = char(b);
    return replace(bytes);
}

QByteArray Fault::kindName(Kind kind)
{
    switch (kind) {
    case None: return "none";
    case NoAnswer: return "noanswer";
    case Replace: return "replace";
    case Append: return "extra";
    case Split: return "split";
    case Delay: return "slow";
    case Close: return "close";
    case Reset: return "reset";
    case Flood: return "flood";
    case Oversize: return "oversize";
    case Drip: return "drip";
    }
    return "none";
}

namespace {
// Text with the escapes \r \n \t \\ and \xHH turned into bytes.
bool unescape(const QByteArray &text, QByteArray *bytes)
{
    bytes->clear();
    for (int i = 0; i < text.size(); ++i) {
        const char c = text.at(i);
        if (c != '\\') {
            bytes->append(c);
            continue;
        }
        if (++i >= text.size())
            return false;
        switch (text.at(i)) {
        case 'r': bytes->append('\r'); break;
        case 'n': bytes->append('\n'); break;
        case 't': bytes->append('\t'); break;
        case '\\': bytes->append('\\'); break;
        case 'x': {
            bool ok = false;
            const int value = text.mid(i + 1, 2).toInt(&ok, 16);
            if (!ok || text.mid(i + 1, 2).size() != 2)
                return false;
            bytes->append(char(value));
            i += 2;
            break;
        }
        default:
            return false;
        }
    }
    return true;
}

bool number(const QByteArray &text, qint64 maximum, qint64 *value)
{
    bool ok = false;
    const qint64 n = text.toLongLong(&ok);
    if (!ok || n < 0 || n > maximum)
        return false;
    *value = n;
    return true;
}
} // namespace

bool Fault::parse(const QByteArray &text, Fault *fault, QString *error)
{
    auto fail = [error, &text](const QString &why) {
        if (error)
            *error = QStringLiteral("fault \"%1\": %2").arg(QString::fromLatin1(text), why);
        return false;
    };
    QByteArray faultText = text;
    Fault result;
    static const QRegularExpression suffix(QStringLiteral(",(?:(after|times)=(\\d{1,6})|each-connection)$"));
    for (;;) {
        const auto match = suffix.match(QString::fromLatin1(faultText));
        if (!match.hasMatch())
            break;
        const int n = match.captured(2).toInt();
        if (match.captured(1).isEmpty())
            result.eachConnection = true;
        else if (match.captured(1) == QLatin1String("after"))
            result.skip = n;
        else
            result.times = n;
        faultText.chop(match.capturedLength(0));
    }
    const int colon = faultText.indexOf(':');
    const QByteArray kind = (colon < 0 ? faultText : faultText.left(colon)).toLower();
    const QByteArray rest = colon < 0 ? QByteArray() : faultText.mid(colon + 1);
    const QList<QByteArray> args = rest.isEmpty() ? QList<QByteArray>() : rest.split(':');
    qint64 a = 0, b = 0;
    const Fault keep = result;
    auto withCounts = [&keep](Fault f) {
        f.skip = keep.skip;
        f.times = keep.times;
        f.eachConnection = keep.eachConnection;
        return f;
    };

    if (kind == "noanswer" || kind == "refuse") {
        *fault = withCounts(noAnswer());
    } else if (kind == "okcrlf") {
        *fault = withCounts(okCrLf());
    } else if (kind == "lowerok") {
        *fault = withCounts(lowerCaseOk());
    } else if (kind == "allbytes") {
        *fault = withCounts(allByteValues());
    } else if (kind == "replace" || kind == "extra") {
        QByteArray bytes;
        if (colon < 0 || !unescape(rest, &bytes))
            return fail(QStringLiteral("needs text after ':' (escapes \\r \\n \\t \\\\ \\xHH)"));
        *fault = withCounts(kind == "replace" ? replace(bytes) : extraBytes(bytes));
    } else if (kind == "split") {
        if (args.size() != 2 || !number(args[0], 65536, &a) || a < 1 || !number(args[1], 600000, &b))
            return fail(QStringLiteral("use split:BYTES:MS"));
        *fault = withCounts(split(int(a), int(b)));
    } else if (kind == "slow" || kind == "drip") {
        if (args.size() != 1 || !number(args[0], 600000, &a))
            return fail(QStringLiteral("use %1:MS").arg(QString::fromLatin1(kind)));
        *fault = withCounts(kind == "slow" ? slow(int(a)) : drip(int(a)));
    } else if (kind == "close" || kind == "reset") {
        if (args.size() > 1 || (args.size() == 1 && !number(args[0], 600000, &a)))
            return fail(QStringLiteral("use %1 or %1:MS").arg(QString::fromLatin1(kind)));
        *fault = withCounts(kind == "close" ? closeMidway(int(a)) : resetMidway(int(a)));
    } else if (kind == "flood" || kind == "oversize") {
        if (args.size() != 1 || !number(args[0], 64 * 1024 * 1024, &a))
            return fail(QStringLiteral("use %1:BYTES (at most 64 MiB)").arg(QString::fromLatin1(kind)));
        *fault = withCounts(kind == "flood" ? flood(a) : oversized(a));
    } else {
        return fail(QStringLiteral("unknown kind"));
    }
    return true;
}
