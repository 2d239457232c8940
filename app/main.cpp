#include "languages.h"
#include "mainwindow.h"
#include "qtdialogs.h"
#include "uikit.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setApplicationIdentity();
    // Before any window or text is made: --language CODE, ZAV_LANGUAGE, or the system's.
    languages::install(languages::choose(languages::preferences(app.arguments(), qgetenv("ZAV_LANGUAGE"))));
    ui::installFontSubstitutes();
    QtDialogs dialogs;
    MainWindow *mainWindow = showMainWindow(dialogs);
    mainWindow->keepLastSearchesIn(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    const int result = app.exec();
    delete mainWindow;
    // Connections closed on the way out are deleted once they are done.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}
