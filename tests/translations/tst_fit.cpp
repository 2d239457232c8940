#include "clientconnectwindow.h"
#include "flashreaderwindow.h"
#include "flashstatus.h"
#include "languages.h"
#include "localsearchwindow.h"
#include "mainwindow.h"
#include "privatenetwork.h"
#include "programreaderwindow.h"
#include "savedsendswindow.h"
#include "scripteddialogs.h"
#include "searchcomparison.h"
#include "serverconnectwindow.h"
#include "sessionlogwindow.h"
#include "sitechanges.h"
#include "sitechangeswindow.h"
#include "taskmenu.h"
#include "trafficlog.h"
#include "twips.h"
#include "udpconnectwindow.h"
#include "uikit.h"
#include "widesearchwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <QTest>

#include <functional>
#include <memory>

namespace {
QString tr(const char *context, const char *source)
{
    return QCoreApplication::translate(context, source);
}

// A text a window puts into one of its labels while it works, beside those
// it starts with: the label's object name and the text, as shown.
struct Shown {
    const char *label;
    QString text;
};

// A window as a technician sees it, and the texts its labels take later.
struct Window {
    std::unique_ptr<TrafficLog> log;  // the session log's, gone after its window
    std::unique_ptr<QWidget> widget;
    QWidget *checked = nullptr;  // the part whose texts are checked (the menu panel of the main window)
    QList<Shown> later;
};

// The flash window's status line, as it shows a state.
QString flashLine(const char *state)
{
    return flashStatus::text(tr("FlashReaderWindow", state));
}

// Every kind of change, so that the summary names them all.
SiteComparison everyChange()
{
    ReaderList before;
    before.readers = {{"10.0.0.1", "0050C2000001", "Dock 1", "87"}, {"10.0.0.2", "0050C2000002", "Dock 2", "87"},
                      {"10.0.0.3", "0050C2000003", "Dock 3", "87"}, {"10.0.0.4", "0050C2000004", "Gate", "87"}};
    ReaderList now;
    now.readers = {{"10.0.0.11", "0050C2000001", "Dock 1 east", "87"}, {"10.0.0.2", "0050C2000002", "Dock 2", "88"},
                   {"10.0.0.3", "0050C2000003", "Dock 3", "87"},       {"10.0.0.9", "0050C2000009", "Spare", "87"},
                   {"10.0.0.9", "0050C200000A", "Spare 2", "87"},      {"10.0.0.12", "", "", "87"}};
    return compareReaderLists(before, now);
}

Window build(const QString &name, Dialogs &dialogs)
{
    Window window;
    const QString address = QStringLiteral("192.168.1.55");
    if (name == QLatin1String("main")) {
        // As the program starts it: the menu panel shown over the window's left side.
        MainWindow *main = showMainWindow(dialogs);
        window.widget.reset(main);
        window.checked = main->taskMenu();
    } else if (name == QLatin1String("localSearch")) {
        window.widget = std::make_unique<LocalSearchWindow>(dialogs);
        window.later = {{"resolveHintLabel", LocalSearchWindow::searchAgainHint()}};
    } else if (name == QLatin1String("wideSearch")) {
        window.widget = std::make_unique<WideSearchWindow>(dialogs);
        window.later = {{"statusLabel", tr("WideSearchWindow", "Searching %1").arg(address)},
                        {"statusLabel", tr("WideSearchWindow", "Searched %1 addresses, up to %2").arg(1024).arg(address)}};
    } else if (name == QLatin1String("programReader")) {
        window.widget = std::make_unique<ProgramReaderWindow>(dialogs);
        window.later = {{"statusLabel", tr("ProgramReaderWindow", "Attempting Connection")},
                        {"statusLabel", tr("ProgramReaderWindow", "Setting Parameters - Please Wait")}};
    } else if (name == QLatin1String("serverConnect")) {
        window.widget = std::make_unique<ServerConnectWindow>(dialogs);
        for (const char *status : {"Connecting", "Connecting to Data Port", "Connected", "Unable to Connect", "Disconnected"})
            window.later.append({"statusLabel", tr("ServerConnectWindow", status)});
    } else if (name == QLatin1String("clientConnect")) {
        window.widget = std::make_unique<ClientConnectWindow>(dialogs);
        window.later = {{"statusLabel", tr("ClientConnectWindow", "Waiting for Connection")},
                        {"statusLabel", tr("ClientConnectWindow", "Unable to Listen")},
                        {"statusLabel", tr("ClientConnectWindow", "Connected to %1").arg(address)}};
    } else if (name == QLatin1String("udpConnect")) {
        window.widget = std::make_unique<UdpConnectWindow>(dialogs);
        window.later = {{"statusLabel", tr("UdpConnectWindow", "Online")},
                        {"statusLabel", tr("UdpConnectWindow", "Unable to Listen")},
                        {"statusLabel", tr("UdpConnectWindow", "Receipt from %1").arg(address)}};
    } else if (name == QLatin1String("flashReader")) {
        window.widget = std::make_unique<FlashReaderWindow>(dialogs);
        for (const char *state : {"Connecting to Control Port", "Control Port Connected, Connecting to Download Port",
                                  "Control Port Connected, Download Port Connected",
                                  "Reader Connected, Preparing Flash", "Download Complete", "Download Aborted"})
            window.later.append({"statusLabel", flashLine(state)});
        window.later.append({"statusLabel", flashStatus::downloading(65535, 65535)});
    } else if (name == QLatin1String("siteChanges")) {
        auto *changes = new SiteChangesWindow(dialogs);
        changes->showComparison(everyChange(), SearchComparison::tr("the last search, kept %1").arg(
                                                   QStringLiteral("2024-12-31 23:59")));
        window.widget.reset(changes);
    } else if (name == QLatin1String("sessionLog")) {
        window.log = std::make_unique<TrafficLog>();
        window.widget = std::make_unique<SessionLogWindow>(
            *window.log, dialogs, ConnectionWindow::tr("Session Log - %1").arg(ConnectionWindow::tr("Connect to reader using UDP")));
        window.later = {{"summaryLabel", SessionLogWindow::tr("%1 chunks, %2 bytes").arg(100000).arg(67108864)
                                             + SessionLogWindow::tr("; %1 older chunks dropped").arg(9999999)}};
    } else if (name == QLatin1String("savedSends")) {
        SavedSendsWindow *editor = SavedSendsWindow::open(nullptr);
        window.widget.reset(editor);
        window.later = {{"checkLabel", SavedSendsWindow::tr("The list is full: at most %1 saved sends").arg(100)},
                        {"checkLabel", SavedSendsWindow::checkText(QStringLiteral("hex: ") + QString(40, QLatin1Char('A')))},
                        {"checkLabel", SavedSendsWindow::tr("Type a name and the data to send")}};
    }
    if (!window.checked)
        window.checked = window.widget.get();
    return window;
}

// How far a text's ink reaches from where it starts.
int inkWidth(const QFontMetrics &metrics, const QString &text)
{
    return qMax(0, metrics.boundingRect(text).right() + 1);
}

// The room a text needs beyond the widget's: how many pixels too wide or
// high (none or less when it fits), and as a description.
struct Overflow {
    int pixels = 0;
    QString description;
};

Overflow overflow(QWidget *widget, const QString &text)
{
    const QFontMetrics metrics(widget->font());
    const auto beyond = [](int needed, int room) {
        return Overflow{needed - room, QStringLiteral("%1 > %2 pixels").arg(needed).arg(room)};
    };
    if (auto *box = qobject_cast<QCheckBox *>(widget)) {
        return beyond(box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box)
                          + box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box)
                          + inkWidth(metrics, text),
                      box->width());
    }
    if (auto *button = qobject_cast<QPushButton *>(widget))
        return beyond(button->sizeHint().width(), button->width());
    auto *label = qobject_cast<QLabel *>(widget);
    if (!label)
        return {};
    const QRect room = label->contentsRect();
    if (label->wordWrap()) {
        const QRect needed = metrics.boundingRect(room, int(label->alignment()) | Qt::TextWordWrap, text);
        return {qMax(needed.height() - room.height(), needed.width() - room.width()),
                QStringLiteral("%1x%2 > %3x%4 pixels")
                    .arg(needed.width()).arg(needed.height()).arg(room.width()).arg(room.height())};
    }
    return beyond(inkWidth(metrics, text), room.width());
}

QString textOf(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    return {};
}

// Where a text is drawn in the window, or an empty rectangle.
QRect drawnRect(QWidget *widget, QWidget *window)
{
    const QString text = textOf(widget);
    if (text.isEmpty())
        return {};
    const QFontMetrics metrics(widget->font());
    QRect rect;
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        const QRect room = label->contentsRect();
        rect = label->wordWrap() ? metrics.boundingRect(room, int(label->alignment()) | Qt::TextWordWrap, text)
                                 : QStyle::alignedRect(Qt::LeftToRight, label->alignment(),
                                                       QSize(inkWidth(metrics, text), metrics.height()), room);
    } else if (qobject_cast<QCheckBox *>(widget)) {
        rect = QRect(0, 0, qMin(widget->width(), QApplication::style()->pixelMetric(QStyle::PM_IndicatorWidth)
                                                     + QApplication::style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing)
                                                     + inkWidth(metrics, text)),
                     widget->height());
    } else {
        rect = widget->rect();
    }
    return rect.translated(widget->mapTo(window, QPoint()));
}

// A checked text of a window, and the room it needs beyond its widget's.
struct Text {
    QString what;
    Overflow overflow;
};

// A window as built in a language: its texts in the order made, and each
// text that runs into another or into a field.
struct Rendered {
    QList<Text> texts;
    QStringList overlaps;
};

Rendered render(const QString &language, const QString &name)
{
    Rendered rendered;
    if (!languages::install(language)) {
        rendered.overlaps << QStringLiteral("no translation %1").arg(language);
        return rendered;
    }
    ScriptedDialogs dialogs;
    Window built = build(name, dialogs);
    built.widget->show();
    if (!QTest::qWaitForWindowExposed(built.widget.get())) {
        rendered.overlaps << QStringLiteral("%1 not shown").arg(name);
        return rendered;
    }
    QWidget *top = built.widget.get();
    const auto check = [&rendered](QWidget *widget, const QString &text) {
        rendered.texts.append({QStringLiteral("%1 \"%2\"").arg(widget->objectName(), text), overflow(widget, text)});
    };
    QList<QPair<QWidget *, QRect>> drawn;
    QList<QPair<QWidget *, QRect>> fields;
    for (QWidget *widget : built.checked->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(top))
            continue;
        if (qobject_cast<QLineEdit *>(widget) || qobject_cast<QListWidget *>(widget))
            fields.append({widget, QRect(widget->mapTo(top, QPoint()), widget->size())});
        const QString text = textOf(widget);
        if (text.isEmpty())
            continue;
        check(widget, text);
        drawn.append({widget, drawnRect(widget, top)});
    }
    for (const Shown &shown : std::as_const(built.later)) {
        auto *label = top->findChild<QLabel *>(QLatin1String(shown.label));
        if (!label) {
            rendered.overlaps << QStringLiteral("no label %1").arg(QLatin1String(shown.label));
            continue;
        }
        check(label, shown.text);
    }
    // Laid out by hand in twips: no text may run into another, or into a field.
    if (!top->layout()) {
        for (int i = 0; i < drawn.size(); ++i) {
            for (int j = i + 1; j < drawn.size(); ++j) {
                if (drawn.at(i).second.intersects(drawn.at(j).second))
                    rendered.overlaps << QStringLiteral("\"%1\" runs into \"%2\"")
                                             .arg(textOf(drawn.at(i).first), textOf(drawn.at(j).first));
            }
            for (const auto &field : std::as_const(fields)) {
                if (drawn.at(i).second.intersects(field.second))
                    rendered.overlaps << QStringLiteral("\"%1\" runs into %2")
                                             .arg(textOf(drawn.at(i).first), field.first->objectName());
            }
        }
    }
    return rendered;
}
} // namespace

// Every text of every window fits its place in every language: each label,
// action label, check box and button at the default font, the texts the
// status lines take as the windows work among them; no drawn text runs into
// another or into a field. "--language CODE" checks one language.
class TestFit : public QObject
{
    Q_OBJECT
public:
    explicit TestFit(QStringList languages) : m_languages(std::move(languages)) {}

private slots:
    void initTestCase()
    {
        ZAV_REQUIRE_PRIVATE_NETWORK();
        QStandardPaths::setTestModeEnabled(true);
        ui::installFontSubstitutes();
    }
    void cleanupTestCase()
    {
        languages::install(QString());
    }

    // Which shipped language a technician's settings choose: "--language"
    // first, then ZAV_LANGUAGE, then the system's preferences in order.
    void chooses_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("zavLanguage");
        QTest::addColumn<QString>("chosen");
        const QStringList none{QStringLiteral("zav-utility")};
        const auto argumentsFor = [](const char *option) {
            return QStringList{QStringLiteral("zav-utility"), QString::fromLatin1(option)};
        };
        QTest::newRow("option") << QStringList{QStringLiteral("zav-utility"), QStringLiteral("--language"),
                                               QStringLiteral("fr")}
                                << QByteArray("de") << QStringLiteral("fr");
        QTest::newRow("option=") << argumentsFor("--language=ru") << QByteArray() << QStringLiteral("ru");
        QTest::newRow("option en over environment") << argumentsFor("--language=en") << QByteArray("de") << QString();
        QTest::newRow("environment, locale form") << none << QByteArray("de_AT.UTF-8") << QStringLiteral("de");
        QTest::newRow("C") << none << QByteArray("C") << QString();
        QTest::newRow("POSIX") << none << QByteArray("POSIX") << QString();
        QTest::newRow("pt finds pt_BR") << none << QByteArray("pt_PT") << QStringLiteral("pt_BR");
        QTest::newRow("zh-Hans") << none << QByteArray("zh-Hans") << QStringLiteral("zh_CN");
        QTest::newRow("zh_TW is not shipped") << none << QByteArray("zh_TW") << QString();
        QTest::newRow("not shipped") << none << QByteArray("nl") << QString();
        QTest::newRow("nonsense") << argumentsFor("--language=%%") << QByteArray() << QString();
        QTest::newRow("option without value") << argumentsFor("--language") << QByteArray("es") << QStringLiteral("es");
    }
    void chooses()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, zavLanguage);
        QFETCH(QString, chosen);
        QCOMPARE(languages::choose(languages::preferences(arguments, zavLanguage)), chosen);
    }

    void fits_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("window");
        const QStringList windows{QStringLiteral("main"),          QStringLiteral("localSearch"),
                                  QStringLiteral("wideSearch"),    QStringLiteral("programReader"),
                                  QStringLiteral("serverConnect"), QStringLiteral("clientConnect"),
                                  QStringLiteral("udpConnect"),    QStringLiteral("flashReader"),
                                  QStringLiteral("siteChanges"),   QStringLiteral("sessionLog"),
                                  QStringLiteral("savedSends")};
        for (const QString &language : m_languages) {
            for (const QString &window : windows)
                QTest::newRow(qPrintable(language + QLatin1Char('/') + window)) << language << window;
        }
    }

    void fits()
    {
        QFETCH(QString, language);
        QFETCH(QString, window);
        // English is laid out as specified, and a caption there may touch its
        // widget's edge by a pixel: a translation may take as much room.
        const Rendered english = render(QString(), window);
        const Rendered shown = render(language == QLatin1String("en") ? QString() : language, window);
        QVERIFY2(!english.texts.isEmpty(), "no text of the window was checked");
        QVERIFY(english.texts.size() == shown.texts.size());
        QStringList problems = shown.overlaps;
        for (int i = 0; i < shown.texts.size(); ++i) {
            const Text &text = shown.texts.at(i);
            if (text.overflow.pixels > qMax(0, english.texts.at(i).overflow.pixels))
                problems << QStringLiteral("%1 is cut off: %2").arg(text.what, text.overflow.description);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n  "))));
    }

private:
    QStringList m_languages;
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStringList arguments = app.arguments();
    // English, the source, is laid out as specified; "--language en" shows how it fits.
    QStringList languages = QStringLiteral(ZAV_LANGUAGES).split(QLatin1Char(','));
    const int option = int(arguments.indexOf(QStringLiteral("--language")));
    if (option > 0 && option + 1 < arguments.size()) {
        languages = {arguments.at(option + 1)};
        arguments.remove(option, 2);
    }
    TestFit test(languages);
    return QTest::qExec(&test, arguments);
}

#include "tst_fit.moc"
