// Placeholder until the discovery engines are in: search, scan and change-address refuse to run.
#include "console.h"

namespace {
int unavailable(Console &console)
{
    console.message(QStringLiteral("this command is not available in this build"));
    return zavctl::BadUsage;
}
} // namespace

int cli::search(const QStringList &, Console &console) { return unavailable(console); }
int cli::scan(const QStringList &, Console &console) { return unavailable(console); }
int cli::changeAddress(const QStringList &, Console &console) { return unavailable(console); }
