#include "commandtable.h"

#include "console.h"
#include "defaults.h"
#include "downloadmessage.h"
#include "readersettings.h"

namespace {
const QString AddressHelp = QStringLiteral(
    "ADDRESS is A.B.C.D, a range A.B.C.D-E (last group from D to E), or - for one address per line on "
    "standard input (a CSV from search, scan or get is taken as it is).");

cli::Argument readers(const QString &command)
{
    return {QStringLiteral("ADDRESS"), QStringLiteral("A.B.C.D, a range A.B.C.D-E, or - for standard input."),
            command + QStringLiteral(" ADDRESS...")};
}

QList<QCommandLineOption> readerOptions(const QList<QCommandLineOption> &own = {})
{
    return QList<QCommandLineOption>{cli::portOption(), cli::jobsOption(), cli::passwordFileOption(),
                                     cli::passwordOption(), cli::formatOption()}
           + own;
}

// "Values: mode server|client|udp, ..., identifier up to 20 characters."
QString valuesHelp()
{
    QStringList values;
    for (const QString &key : settings::settableKeys()) {
        const settings::Setting &setting = *settings::find(key);
        if (!setting.choices.isEmpty())
            values.append(key + QLatin1Char(' ') + settings::words(setting, QStringLiteral("|")));
    }
    values.append(QStringLiteral("identifier up to %1 characters").arg(settings::IdentifierLength));
    return QStringLiteral("Values: ") + values.join(QLatin1String(", ")) + QLatin1Char('.');
}

QList<QCommandLineOption> settingOptions(const QList<QCommandLineOption> &own)
{
    return readerOptions(QList<QCommandLineOption>{
                             {QStringLiteral("new-password"),
                              QStringLiteral("Also change the control password (sent last). The new one comes from "
                                             "ZAV_NEW_PASSWORD, --new-password-file, or is asked twice on a terminal.")},
                             {QStringLiteral("new-password-file"),
                              QStringLiteral("Read the new control password from the first line of this file."),
                              QStringLiteral("file")}}
                         + own);
}

QCommandLineOption interfaceOption(const QString &help)
{
    return {QStringLiteral("interface"), help, QStringLiteral("name")};
}

// search and scan compared with an earlier list.
QList<QCommandLineOption> comparisonOptions()
{
    return {{QStringLiteral("compare"),
             QStringLiteral("Compare the readers found with the list in this CSV file (from search, scan or get, or "
                            "saved from a search window): adds the columns change, old_address, "
                            "old_identification and old_control_port, and lists the missing readers too."),
             QStringLiteral("file")},
            {QStringLiteral("changes-only"), QStringLiteral("With --compare: leave out the unchanged readers.")},
            {QStringLiteral("fail-on-change"),
             QStringLiteral("With --compare: exit with status 3 when anything changed, for a scheduled job that "
                            "alerts.")}};
}

// The usage column of the overview is 17 characters wide; a longer usage
// gets a line of its own.
QString overviewLine(const cli::Command &command)
{
    const QString usage = command.synopsis();
    if (usage.size() + 2 <= 17)
        return QStringLiteral("  ") + usage.leftJustified(17) + command.summary + QLatin1Char('\n');
    return QStringLiteral("  ") + usage + QStringLiteral("\n") + QString(19, QLatin1Char(' ')) + command.summary
           + QLatin1Char('\n');
}
} // namespace

QCommandLineOption cli::portOption()
{
    return {QStringLiteral("port"),
            QStringLiteral("The readers' control port (default %1; a control-port column of a CSV on standard "
                           "input gives each reader its own).")
                .arg(defaults::ControlPort),
            QStringLiteral("port")};
}

QCommandLineOption cli::jobsOption()
{
    return {QStringLiteral("jobs"), QStringLiteral("Readers served at the same time (default 16)."),
            QStringLiteral("n")};
}

QCommandLineOption cli::passwordFileOption()
{
    return {QStringLiteral("password-file"),
            QStringLiteral("Read the control password from the first line of this file (after the ZAV_PASSWORD "
                           "environment variable, before a prompt)."),
            QStringLiteral("file")};
}

QCommandLineOption cli::passwordOption()
{
    return {QStringLiteral("password"),
            QStringLiteral("The control password. Avoid it: every user of the machine can read command lines in "
                           "the process list. Use ZAV_PASSWORD, --password-file or the prompt."),
            QStringLiteral("password")};
}

QCommandLineOption cli::formatOption()
{
    return {QStringLiteral("format"),
            QStringLiteral("Output: table, json or csv (default: table on a terminal, csv otherwise)."),
            QStringLiteral("format")};
}

QString cli::Command::synopsis() const
{
    QStringList parts;
    for (const Argument &argument : arguments)
        parts.append(argument.syntax.isEmpty() ? argument.name : argument.syntax);
    return parts.join(QLatin1Char(' '));
}

const QList<cli::Command> &cli::commands()
{
    static const QList<Command> table{
        {QStringLiteral("search"),
         QStringLiteral("find the readers on the local networks (multicast identify)"),
         Format,
         QStringLiteral("Sends the identify request to 224.1.2.3, UDP port %1, out of every interface that is "
                        "up, multicast-capable and has an IPv4 address (or those named), and lists each reader that "
                        "answers within the wait once: address, MAC, identification, control port and the "
                        "interface it answered on. With --compare, what changed since an earlier list: readers new, "
                        "missing, moved (another address), renamed, with another control port, or on an address "
                        "that now answers with two MACs.")
             .arg(defaults::IdentifyPort),
         {{QStringLiteral("search"), QStringLiteral("The command; it takes no arguments."), QStringLiteral("search")}},
         QList<QCommandLineOption>{interfaceOption(QStringLiteral("Search on this interface only (repeatable).")),
                                   {QStringLiteral("wait"), QStringLiteral("Seconds to wait for answers (default 2)."),
                                    QStringLiteral("seconds")},
                                   formatOption()}
             + comparisonOptions(),
         search},
        {QStringLiteral("scan"),
         QStringLiteral("find readers by trying addresses over TCP"),
         Format,
         QStringLiteral("Tries addresses from START on over TCP (the identify request on the control port), many at "
                        "a time, and lists every reader that answers, in address order. After host 255 the scan "
                        "goes on with the next third group from host 1, and it ends after third group 255. With "
                        "--compare, what changed since an earlier list, as for search."),
         {{QStringLiteral("START"), QStringLiteral("The first address to try."), QStringLiteral("scan START")}},
         QList<QCommandLineOption>{
             {QStringLiteral("count"), QStringLiteral("Addresses to try (default 256; 0 = to the end of the scan)."),
              QStringLiteral("n")},
             {QStringLiteral("port"), QStringLiteral("The control port (default %1).").arg(defaults::ControlPort),
              QStringLiteral("port")},
             {QStringLiteral("jobs"), QStringLiteral("Addresses tried at the same time (default 64)."),
              QStringLiteral("n")},
             {QStringLiteral("timeout"), QStringLiteral("Seconds given to each address in all (default 1)."),
              QStringLiteral("seconds")},
             formatOption()}
             + comparisonOptions(),
         scan},
        {QStringLiteral("get"),
         QStringLiteral("read the settings of readers"),
         Readers | Password | Format,
         QStringLiteral("Logs in to each reader and reads its settings (STAT). Keys: %1.\n%2")
             .arg(settings::keys().join(QLatin1String(", ")), AddressHelp),
         {readers(QStringLiteral("get"))},
         readerOptions(),
         get},
        {QStringLiteral("set"),
         QStringLiteral("change settings (and the password) of readers"),
         Readers | Password | Format,
         QStringLiteral("Logs in to each reader, reads its settings, applies the changes and writes the whole "
                        "setting run, each command acknowledged. Nothing is sent for a change that the checks "
                        "of \"Set  Parameters\" refuse. The readers take the new settings when they restart "
                        "(--reboot, or zavctl reboot).\nKEY is one of: %1.\n%2\n%3")
             .arg(settings::settableKeys().join(QLatin1String(", ")), valuesHelp(), AddressHelp),
         {readers(QStringLiteral("set")), {QStringLiteral("KEY=VALUE..."), QStringLiteral("The settings to change.")}},
         settingOptions({{QStringLiteral("reboot"),
                          QStringLiteral("Restart each reader after its settings were written, so that it uses "
                                         "them.")}}),
         set},
        {QStringLiteral("apply"),
         QStringLiteral("change only the settings that differ, or say what would change"),
         Readers | Password | Format,
         QStringLiteral("Logs in to each reader, reads its settings and compares them with the ones given: only the "
                        "commands of the settings that differ are sent, in the order of a setting run, each "
                        "acknowledged (a reader that holds every value gets PASS and STAT only). Values compare as "
                        "the reader holds them (mode=client is the code 1; 010.0.0.1 is 10.0.0.1; 04000 is 4000). "
                        "Results: changed, and changes (key: old and new). Checked as set checks them.\n"
                        "KEY is one of: %1.\n%2\n%3")
             .arg(settings::settableKeys().join(QLatin1String(", ")), valuesHelp(), AddressHelp),
         {readers(QStringLiteral("apply")), {QStringLiteral("KEY=VALUE..."), QStringLiteral("The settings wanted.")}},
         settingOptions({{QStringLiteral("check"),
                          QStringLiteral("Read and compare only; send nothing past STAT. Exit status 0 when every "
                                         "reader could be read.")},
                         {QStringLiteral("reboot"),
                          QStringLiteral("Restart the readers that were changed, so that they use the new settings.")}}),
         apply},
        {QStringLiteral("reboot"),
         QStringLiteral("restart readers"),
         Readers | Password | Format,
         QStringLiteral("Logs in to each reader and restarts it (REBOOT).\n") + AddressHelp,
         {readers(QStringLiteral("reboot"))},
         readerOptions(),
         reboot},
        {QStringLiteral("change-address"),
         QStringLiteral("give the reader with this MAC a new address"),
         Format,
         QStringLiteral("Sends the change-address message (\"RPG\", the MAC, the new address) to 224.1.2.3, UDP port "
                        "%1, out of every usable interface (or those named). The reader with that MAC restarts "
                        "with the new address; no answer comes back, so search again to see it. MAC: 12 hex "
                        "digits, separators allowed.")
             .arg(defaults::IdentifyPort),
         {{QStringLiteral("MAC"), QStringLiteral("The reader's MAC address."), QStringLiteral("change-address MAC")},
          {QStringLiteral("NEW_ADDRESS"), QStringLiteral("Its new address.")}},
         {interfaceOption(QStringLiteral("Send on this interface only (repeatable).")), formatOption()},
         changeAddress},
        {QStringLiteral("flash"),
         QStringLiteral("load a firmware image into readers"),
         Readers | Password | Format,
         QStringLiteral("Loads a firmware image into each reader: login on the control port, then on the download "
                        "port %1 the announce, every %2-byte block (each acknowledged within 5 s) and the "
                        "restart. The image must be 1 to %3 whole blocks.\n")
                 .arg(defaults::DownloadPort)
                 .arg(defaults::DownloadBlockSize)
                 .arg(downloadMessage::MaxBlocks)
             + AddressHelp,
         {readers(QStringLiteral("flash")), {QStringLiteral("FILE"), QStringLiteral("The firmware image.")}},
         readerOptions({{QStringLiteral("no-restart"),
                         QStringLiteral("Do not send the restart message after the last block.")}}),
         flash},
    };
    return table;
}

const cli::Command *cli::findCommand(const QString &name)
{
    for (const Command &command : commands()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

QString cli::overview()
{
    QString text = QStringLiteral(
        "Usage: zavctl COMMAND [options] [arguments]\n"
        "\n"
        "Finds, reads, configures, restarts and updates ZAV readers from the command line.\n"
        "\n"
        "Commands:\n");
    for (const Command &command : commands())
        text += overviewLine(command);
    text += QStringLiteral(
        "\n"
        "ADDRESS is A.B.C.D, a range A.B.C.D-E, or - for one address per line on standard\n"
        "input (a CSV from search, scan or get is taken as it is). Readers run in parallel.\n"
        "The password comes from ZAV_PASSWORD, --password-file FILE, or a prompt.\n"
        "Exit status: 0 all readers succeeded, 1 a reader failed, 2 bad usage or input.\n"
        "Run 'zavctl COMMAND --help' for a command's options; see also zavctl(1).\n");
    return text;
}

int cli::runCommand(const Command &command, const QStringList &arguments, Console &console)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(command.description);
    for (const Argument &argument : command.arguments)
        parser.addPositionalArgument(argument.name, argument.help, argument.syntax);
    parser.addOptions(command.options);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    parser.addOption(help);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // The program name first, as QCommandLineParser expects it.
    if (!parser.parse(QStringList{QStringLiteral("zavctl")} + arguments)) {
        console.message(parser.errorText());
        console.io().err("Try 'zavctl COMMAND --help'.\n");
        return zavctl::BadUsage;
    }
    if (parser.isSet(help)) {
        console.write(parser.helpText().toUtf8());
        return zavctl::Success;
    }
    return command.run(parser, console);
}
