#pragma once

#include <QString>

// True when this process runs in a network namespace whose only interface is
// loopback, so that nothing a test sends can leave the machine. 'why' says
// what was found otherwise. On Windows (under Wine) only when
// scripts/windows-test checked the Linux namespace and said so.
bool inPrivateNetwork(QString *why = nullptr);

// Takes away (or gives back) this thread's right to listen on ports below
// 1024, as for a user who runs the program without that privilege. Inside the
// test's own namespace the test is root, so the right can be given back.
// False when the system refuses, and on Windows for taking it away: there
// every program may listen below 1024.
bool allowLowPorts(bool allowed);

// For initTestCase() of every test that opens a socket.
#define ZAV_REQUIRE_PRIVATE_NETWORK()                                                          \
    do {                                                                                       \
        QString zavWhy;                                                                        \
        QVERIFY2(inPrivateNetwork(&zavWhy), qPrintable(QStringLiteral(                         \
            "refusing to open sockets outside a private network namespace (%1); run the test " \
            "through ./test, ctest or scripts/netns").arg(zavWhy)));                           \
    } while (false)
