#include "controlport.h"

#include "replywriter.h"
#include "simulatedreader.h"

#include <algorithm>

namespace {
// A control line longer than this without a carriage return is thrown away.
constexpr int MaxControlLine = 4096;

const QByteArray Ok = "OK\r";
// Answer to an unknown command or a value the reader cannot store.
const QByteArray Refused = "ERR\r";

// Known keywords, longest first so that a keyword is never taken for the start of another.
const QList<QByteArray> &keywords()
{
    static const QList<QByteArray> list = [] {
        QList<QByteArray> k{"ZAVIDENTIFY", "NEWPASS", "REBOOT", "IDENT", "SPEED", "DPASS", "PASS",
                            "STAT", "UDPP", "SPRT", "MODE", "DHCP", "CIP", "DPT", "CPT", "CSN",
                            "GTW", "SIP", "CID"};
        std::stable_sort(k.begin(), k.end(),
                         [](const QByteArray &a, const QByteArray &b) { return a.size() > b.size(); });
        return k;
    }();
    return list;
}

bool portValue(const QByteArray &text, quint16 *port)
{
    if (text.isEmpty() || text.size() > 5)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    const int value = text.toInt();
    if (value < 1 || value > 65535)
        return false;
    *port = quint16(value);
    return true;
}
} // namespace

SimulatedControlPort::SimulatedControlPort(SimulatedReader &reader)
    : ReplyingPort(reader, Channel::Control, QStringLiteral("control"))
{
}

void SimulatedControlPort::takeMessages(Connection *connection)
{
    int end;
    while ((end = connection->buffer.indexOf('\r')) >= 0) {
        const QByteArray line = connection->buffer.left(end);
        connection->buffer.remove(0, end + 1);
        handleLine(connection, line);
        if (!isOpen(connection))
            return;
    }
    if (connection->buffer.size() > MaxControlLine)
        connection->buffer.clear();
}

void SimulatedControlPort::handleLine(Connection *connection, const QByteArray &rawLine)
{
    QByteArray line = rawLine;
    while (line.startsWith('\n'))
        line.remove(0, 1);

    QByteArray keyword;
    for (const QByteArray &k : keywords()) {
        if (line.startsWith(k)) {
            keyword = k;
            break;
        }
    }
    const QByteArray argument = line.mid(keyword.size());
    ReplyWriter *writer = connection->writer;
    SimulatedReader &reader = m_reader;

    if (keyword == "ZAVIDENTIFY" && argument.isEmpty()) {
        emit reader.commandReceived(keyword, argument);
        reader.answer(writer, faultTarget::TcpIdentify, reader.tcpIdentifyReply());
        return;
    }
    if (!connection->loggedIn) {
        // Nothing is served before the login, and a wrong password gets no answer.
        if (keyword != "PASS" || argument != reader.m_active.password)
            return;
        const Fault fault = reader.faultFor(keyword);
        if (fault.kind == Fault::NoAnswer)
            return;
        connection->loggedIn = true;
        reader.m_loginSeen = true;
        emit reader.commandReceived(keyword, argument);
        emit reader.loggedIn();
        writer->send(Ok, fault);
        return;
    }

    emit reader.commandReceived(keyword.isEmpty() ? line : keyword, argument);
    if (keyword == "PASS") {
        if (argument == reader.m_active.password)
            reader.answer(writer, keyword, Ok);
        return;
    }
    if (keyword == "STAT" && argument.isEmpty()) {
        reader.answer(writer, keyword, reader.statReply());
        return;
    }
    if (keyword == "REBOOT" && argument.isEmpty()) {
        if (reader.answer(writer, keyword, Ok))
            reader.restartAfterReplies(writer);
        return;
    }
    if (keyword == "CID" && reader.m_active.firmware == "02.00")
        return; // this firmware has no client-send-id setting and stays silent
    if (keyword.isEmpty() || keyword == "STAT" || keyword == "REBOOT" || keyword == "ZAVIDENTIFY") {
        reader.answer(writer, "?", Refused);
        return;
    }

    const Fault fault = reader.faultFor(keyword);
    if (fault.kind == Fault::NoAnswer)
        return; // refused without a word: the value is not stored
    const bool stored = applySetting(keyword, argument);
    writer->send(stored ? Ok : Refused, fault);
}

bool SimulatedControlPort::applySetting(const QByteArray &keyword, const QByteArray &argument)
{
    ReaderConfig &c = m_reader.m_stored;
    auto code = [&argument](const char *allowed, char *target) {
        if (argument.size() != 1 || !QByteArray(allowed).contains(argument.at(0)))
            return false;
        *target = argument.at(0);
        return true;
    };
    auto address = [&argument](QByteArray *target) {
        if (!ReaderConfig::isDottedAddress(argument))
            return false;
        *target = argument;
        return true;
    };
    if (keyword == "CIP") {
        if (!ReaderConfig::isDottedAddress(argument))
            return false;
        c.address = QHostAddress(QString::fromLatin1(argument));
        c.identifyAddress.clear();
        return !c.address.isNull();
    }
    if (keyword == "DPT")
        return portValue(argument, &c.tcpDataPort);
    if (keyword == "UDPP")
        return portValue(argument, &c.udpDataPort);
    if (keyword == "CPT")
        return portValue(argument, &c.controlPort);
    if (keyword == "SPRT")
        return portValue(argument, &c.serverPort);
    if (keyword == "CSN")
        return address(&c.subnet);
    if (keyword == "GTW")
        return address(&c.gateway);
    if (keyword == "SIP")
        return address(&c.serverAddress);
    if (keyword == "IDENT") {
        // The identifier travels inside the colon-separated STAT reply.
        if (argument.size() > 20 || argument.contains(':') || argument.contains('\n'))
            return false;
        c.identifier = argument;
        return true;
    }
    if (keyword == "MODE")
        return code("012", &c.mode);
    if (keyword == "CID")
        return code("01", &c.cid);
    if (keyword == "SPEED")
        return code("12345", &c.speed);
    if (keyword == "DHCP")
        return code("01", &c.dhcp);
    if (keyword == "DPASS")
        return code("01", &c.dpass);
    if (keyword == "NEWPASS") {
        if (argument.size() != 5)
            return false;
        c.password = argument;
        return true;
    }
    return false;
}
