// Saves a PNG of the main window with each task window on top, and of each
// task window alone, into the folder given (default "shots"). Run it inside
// the private network: the search window binds its port when it is created.
#include "dialogs.h"
#include "menuform.h"
#include "taskwindow.h"
#include "tcp21main.h"
#include "uikit.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

namespace {
class SilentDialogs : public Dialogs
{
public:
    void message(const QString &) override {}
    bool question(const QString &) override { return false; }
    QString input(const QString &, const QString &) override { return {}; }
    bool openFile(const FileRequest &, QString &) override { return false; }
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    QDir().mkpath(folder);
    SilentDialogs dialogs;
    Tcp21Main *main = Main(dialogs);
    QApplication::processEvents();
    main->grab().save(folder + QStringLiteral("/startup.png"));
    for (int i = 0; i < MenuForm::EntryCount; ++i) {
        main->menuform()->label1Click(i);
        QApplication::processEvents();
        TaskWindow *window = main->taskWindow(i);
        main->grab().save(QStringLiteral("%1/main-%2.png").arg(folder, window->objectName()));
        window->grab().save(QStringLiteral("%1/%2.png").arg(folder, window->objectName()));
    }
    delete main;
    return 0;
}
