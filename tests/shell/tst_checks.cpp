#include "addresschecks.h"
#include "byteescape.h"
#include "typedvalues.h"

#include <QTest>

class TestChecks : public QObject
{
    Q_OBJECT
private slots:
    // The group value that looksLikeAddress and the wide-area scan's start both read.
    void leadingNumber_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("value");
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("digits") << QStringLiteral("192") << 192;
        QTest::newRow("leading blanks") << QStringLiteral("  12") << 12;
        QTest::newRow("stops at a letter") << QStringLiteral("12x4") << 12;
        QTest::newRow("stops at an inner blank") << QStringLiteral("1 2") << 1;
        QTest::newRow("letters") << QStringLiteral("abc") << 0;
        QTest::newRow("sign") << QStringLiteral("-5") << 0;
        QTest::newRow("leading zeros") << QStringLiteral("007") << 7;
        QTest::newRow("255") << QStringLiteral("255") << 255;
        QTest::newRow("256") << QStringLiteral("256") << 256;
        QTest::newRow("stops past 255") << QStringLiteral("2560") << 256;
        QTest::newRow("long run of nines") << QStringLiteral("99999999999999999999") << 999;
        QTest::newRow("non-Latin digit") << QString(QChar(0x0663)) << 0;
    }
    void leadingNumber()
    {
        QFETCH(QString, group);
        QFETCH(int, value);
        QCOMPARE(::leadingNumber(group), value);
    }

    void looksLikeAddress_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("default address") << "192.168.1.55" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("three blanks") << "   " << false;
        QTest::newRow("two dots") << "1.2.3" << false;
        QTest::newRow("four dots") << "1.2.3.4.5" << false;
        QTest::newRow("256") << "1.2.3.256" << false;
        QTest::newRow("255") << "1.2.3.255" << true;
        QTest::newRow("four characters in a group") << "1.2.3.1234" << false;
        QTest::newRow("trailing dot") << "1.2.3." << false;
        QTest::newRow("leading dot") << ".1.2.3" << true;
        QTest::newRow("empty middle group") << "1..2.3" << true;
        QTest::newRow("letters count as 0") << "a.b.c.d" << true;
        QTest::newRow("leading blank") << " 1.2.3.4" << true;
        QTest::newRow("blanks in last group count") << "1.2.3.44  " << false;
        QTest::newRow("trailing blanks within three") << "1.2.3.4  " << true;
        QTest::newRow("999 in first group") << "999.1.1.1" << false;
        QTest::newRow("digits after a letter ignored") << "1.2.3.a99" << true;
        QTest::newRow("blank then 300") << "1.2.3. 30" << true;
        QTest::newRow("dots only") << "..." << false;
        QTest::newRow("a blank ends the number") << "1.2.3.2 9" << true;
        QTest::newRow("a blank ends the number, first group") << "9 9.1.1.1" << true;
        QTest::newRow("blank group counts as 0") << "1.2.   .4" << true;
        QTest::newRow("sign is no digit") << "-99.1.1.1" << true;
        QTest::newRow("256 after a leading blank") << " 256.1.1.1" << false;
        QTest::newRow("two leading blanks and 3 digits") << "  255.1.1.1" << false;
        QTest::newRow("dot at the end after blanks") << "1.2.3. " << true;
    }
    void looksLikeAddress()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(::looksLikeAddress(text), valid);
    }

    void isNumericAddress_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::newRow("plain") << "192.168.1.55" << true;
        QTest::newRow("leading zeros") << "010.001.07.5" << true;
        QTest::newRow("255") << "255.255.255.255" << true;
        QTest::newRow("256") << "1.2.3.256" << false;
        QTest::newRow("letters") << "a.b.c.d" << false;
        QTest::newRow("empty group") << "1..2.3" << false;
        QTest::newRow("blank") << " 1.2.3.4" << false;
        QTest::newRow("inner blank") << "1.2. 3.4" << false;
        QTest::newRow("sign") << "+1.2.3.4" << false;
        QTest::newRow("three groups") << "1.2.3" << false;
        QTest::newRow("five groups") << "1.2.3.4.5" << false;
        QTest::newRow("four digits") << "1.2.3.0004" << false;
    }
    void isNumericAddress()
    {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QCOMPARE(::isNumericAddress(text), numeric);
    }

    // Typed values: blanks at either end never count, anything else does.
    void portFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("port");   // 0: no port
        QTest::newRow("87") << "87" << 87;
        QTest::newRow("blanks around") << " 87 " << 87;
        QTest::newRow("65535") << "65535" << 65535;
        QTest::newRow("leading zeros") << "00087" << 87;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("65536") << "65536" << 0;
        QTest::newRow("six digits") << "000087" << 0;
        QTest::newRow("letters") << "8a7" << 0;
        QTest::newRow("blank") << " " << 0;
        QTest::newRow("sign") << "+87" << 0;
        QTest::newRow("negative") << "-5" << 0;
        QTest::newRow("tab") << "87\t" << 0;
    }
    void portFromText()
    {
        QFETCH(QString, text);
        QFETCH(int, port);
        QCOMPARE(int(::portFromText(text).value_or(0)), port);
    }

    void readerAddressFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("address");   // empty: no address
        QTest::newRow("plain") << "192.168.1.55" << "192.168.1.55";
        QTest::newRow("blanks around") << "  10.0.0.1 " << "10.0.0.1";
        QTest::newRow("leading zeros") << "010.001.07.5" << "10.1.7.5";
        QTest::newRow("tab") << "\t10.0.0.1" << "";
        QTest::newRow("name") << "reader.local" << "";
        QTest::newRow("loose only") << "a.b.c.d" << "";
    }
    void readerAddressFromText()
    {
        QFETCH(QString, text);
        QFETCH(QString, address);
        const std::optional<QHostAddress> typed = ::readerAddressFromText(text);
        QCOMPARE(typed ? typed->toString() : QString(), address);
    }

    void escapedBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("printable") << QByteArray("OK ~") << "OK ~";
        QTest::newRow("C escapes") << QByteArray("\r\n\t\\") << "\\r\\n\\t\\\\";
        QTest::newRow("hex") << QByteArray("\x00\x1b\x7f\xff", 4) << "\\x00\\x1B\\x7F\\xFF";
    }
    void escapedBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(::escapedBytes(bytes), text);
    }

    void isNotBlank_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("result");
        QTest::newRow("letter between blanks") << " a " << true;
        QTest::newRow("three blanks") << "   " << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("tab is not a blank") << "\t" << true;
    }
    void isNotBlank()
    {
        QFETCH(QString, text);
        QFETCH(bool, result);
        QCOMPARE(::isNotBlank(text), result);
    }

    void isFiveCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("result");
        QTest::newRow("five digits") << "58203" << true;
        QTest::newRow("blanks around five digits") << " 58203 " << true;
        QTest::newRow("four digits") << "5820" << false;
        QTest::newRow("six digits") << "582031" << false;
        QTest::newRow("inner blank counts") << "12 45" << true;
        QTest::newRow("leading blank and four") << " 1234" << false;
        QTest::newRow("tab is kept") << "\t1234" << true;
    }
    void isFiveCharacters()
    {
        QFETCH(QString, text);
        QFETCH(bool, result);
        QCOMPARE(::isFiveCharacters(text), result);
    }

    void nextFieldWalk()
    {
        const QByteArray text("A:BC::D");
        int position = 1;
        QCOMPARE(nextField(text, position), QByteArray("A"));
        QCOMPARE(nextField(text, position), QByteArray("BC"));
        QCOMPARE(nextField(text, position), QByteArray(""));
        QCOMPARE(nextField(text, position), QByteArray("D"));
        QCOMPARE(position, 8);
        QCOMPARE(nextField(text, position), QByteArray(""));
        QCOMPARE(position, 8);
    }

    void nextFieldKeepsCarriageReturn()
    {
        const QByteArray text("x:1\r");
        int position = 1;
        nextField(text, position);
        QCOMPARE(nextField(text, position), QByteArray("1\r"));
    }

    void nextFieldAllBytes()
    {
        QByteArray text;
        for (int b = 0; b < 256; ++b)
            if (b != ':')
                text.append(char(b));
        text.append(':');
        int position = 1;
        QCOMPARE(nextField(text, position), text.left(text.size() - 1));
        QCOMPARE(position, text.size() + 1);
    }
};

QTEST_GUILESS_MAIN(TestChecks)
#include "tst_checks.moc"
