// zavctl: the reader operations of the ZAV TCP/IP Utility from the command line.
#include "version.h"
#include "zavctl.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zavctl"));
    QCoreApplication::setApplicationVersion(version::Full);
    return zavctl::run(app.arguments().mid(1), zavctl::standardIo());
}
