// Command lines, acknowledgements and the reply buffer on arbitrary bytes:
// a line is keyword, argument and one CR; only "OK" CR is an acknowledgement;
// the reply buffer never passes its limit and keeps the first bytes received.
#include "commandlanguage.h"
#include "fuzzcheck.h"
#include "replybuffer.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    // The first byte splits the rest into keyword and argument.
    const qsizetype cut = input.isEmpty() ? 0 : qMin(qsizetype(quint8(input.at(0))), input.size() - 1);
    const QByteArray keyword = input.mid(1, cut);
    const QByteArray argument = input.mid(1 + cut);

    const QByteArray line = control::commandLine(keyword, argument);
    check(line.size() == keyword.size() + argument.size() + 1);
    check(line.startsWith(keyword) && line.endsWith('\r'));
    check(line.mid(keyword.size(), argument.size()) == argument);
    check(control::loginLine(argument) == "PASS" + argument + '\r');

    const QByteArray password = control::newPasswordArgument(argument);
    // The first five of the text and four blanks: five characters for any
    // text that is not blank, which is the only kind sent.
    check(password.size() == qMin(qsizetype(5), argument.size() + 4));
    check(password.startsWith(argument.left(5)));
    for (qsizetype i = argument.size(); i < password.size(); ++i)
        check(password.at(i) == ' ');

    check(control::isAcknowledgement(input) == (input == "OK\r"));
    check(control::isCompleteStatReply(input) == (!input.isEmpty() && input.back() == '\r'));
    check(control::hasClientSendId(input) == (input != "02.00"));

    // The reply buffer, fed up to eight pieces whose sizes come from the first
    // bytes (up to 75 KiB each, so the limit is reached and passed too).
    ReplyBuffer buffer(control::ReplyLimit);
    QByteArray kept; // the first ReplyLimit bytes sent
    qint64 total = 0;
    for (qsizetype i = 0; i < input.size() && i < 8; ++i) {
        const QByteArray chunk(qsizetype(quint8(input.at(i))) * 300 + i, input.at(i));
        buffer.append(chunk);
        kept += chunk.left(control::ReplyLimit - kept.size());
        total += chunk.size();
        check(buffer.bytes().size() <= control::ReplyLimit);
        check(buffer.overlong() == (total > control::ReplyLimit));
        check(buffer.holdsAcknowledgement() == (kept == "OK\r" && !buffer.overlong()));
    }
    check(buffer.bytes() == kept);

    // Pasted ports and addresses: only plain numbers and dotted addresses pass.
    if (control::isPortNumber(input)) {
        bool ok = false;
        const int port = input.toInt(&ok);
        check(ok && port >= 1 && port <= 65535 && input.size() <= 5);
        for (const char c : input)
            check(c >= '0' && c <= '9');
    }
    if (control::isDottedAddress(input)) {
        check(input.count('.') == 3 && input.size() <= 15);
        for (const char c : input)
            check(c == '.' || (c >= '0' && c <= '9'));
    }
    return 0;
}
