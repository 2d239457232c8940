// The identify reply walk and both list lines on arbitrary bytes: the fields
// give back the reply up to its end, the lines always have their exact widths
// and columns, the address, port and MAC read back from a line are the ones
// the reply gave, and the change-address message is always 30 bytes. The
// reply is also fed to the piecewise walk in two pieces, which must agree.
#include "changeaddress.h"
#include "identifyreply.h"

#include <cstdint>
#include <cstdlib>

namespace {
void check(bool condition)
{
    if (!condition)
        abort();
}

QString column(const QByteArray &field, int width)
{
    return QString::fromLatin1(field.left(width)).leftJustified(width, QLatin1Char(' '));
}

bool sane(const QByteArray &field, int width)
{
    return field.size() <= width && !field.startsWith(' ') && !field.endsWith(' ');
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray reply(reinterpret_cast<const char *>(data), qsizetype(size));
    const IdentifyReply fields = parseIdentifyReply(reply);
    const QByteArray *const all[] = {&fields.address, &fields.mac, &fields.identification, &fields.controlPort};

    // The walk: the reply up to its first carriage return, cut before a fourth
    // ':', is the fields joined by ':'.
    QByteArray walked = reply.left(reply.indexOf('\r') < 0 ? reply.size() : reply.indexOf('\r'));
    int colons = 0;
    for (qsizetype i = 0; i < walked.size(); ++i) {
        if (walked.at(i) == ':' && ++colons == 4) {
            walked.truncate(i);
            break;
        }
    }
    QByteArray joined;
    for (int i = 0; i < 4; ++i) {
        check(!all[i]->contains(':') && !all[i]->contains('\r'));
        if (i > 0 && i <= qMin(colons, 3))
            joined += ':';
        joined += *all[i];
    }
    check(joined == walked);

    // The piecewise walk keeping the shown part only gives the same lines.
    IdentifyReplyWalk pieces;
    const qsizetype cut = size > 0 ? qsizetype(data[0]) % (reply.size() + 1) : 0;
    pieces.add(reply.left(cut));
    pieces.add(reply.mid(cut));
    check(pieces.endsWithCarriageReturn() == reply.endsWith('\r'));
    check(pieces.bytesSeen() == reply.size());
    const QString local = identifyListLine(fields);
    const QString wide = wideAreaListLine(fields);
    check(identifyListLine(pieces.fields()) == local);
    check(wideAreaListLine(pieces.fields()) == wide);

    // Widths and columns.
    check(local.size() == identify::LocalLineWidth);
    check(wide.size() == identify::WideAreaLineWidth);
    const QString mac = column(fields.mac, 20);
    const QString pairs = mac.mid(0, 2) + ' ' + mac.mid(2, 2) + ' ' + mac.mid(4, 2) + ' ' + mac.mid(6, 2) + ' '
                          + mac.mid(8, 2) + ' ' + mac.mid(10, 2) + QString(5, QLatin1Char(' '));
    check(local.mid(0, 20) == column(fields.address, 20));
    check(local.mid(20, 22) == pairs);
    check(local.mid(42, 25) == column(fields.identification, 25));
    check(local.mid(67, 5) == column(fields.controlPort, 5));
    check(wide.left(42) == local.left(42));
    check(wide.mid(42, 20) == column(fields.identification, 20));

    // Read back from the line.
    if (sane(fields.address, 15)) {
        check(addressFromListLine(local) == QString::fromLatin1(fields.address));
        check(addressFromListLine(wide) == QString::fromLatin1(fields.address));
    }
    if (sane(fields.controlPort, 5))
        check(controlPortFromListLine(local) == QString::fromLatin1(fields.controlPort));
    const QByteArray macBack = macFromListLine(local);
    check(macBack.size() == changeaddress::MacLength);
    check(macBack == fields.mac.left(12).leftJustified(12, ' '));
    check(macFromListLine(QString::fromLatin1(reply)).size() == changeaddress::MacLength);

    // The change-address message, whatever the MAC and the address.
    const QByteArray message = changeAddressMessage(fields.mac, QString::fromLatin1(fields.identification));
    check(message.size() == changeaddress::MessageLength);
    check(message.startsWith("RPG"));
    check(message.mid(3, 12) == fields.mac.left(12).leftJustified(12, ' '));
    check(message.mid(15) == fields.identification.left(15).leftJustified(15, ' '));
    return 0;
}
