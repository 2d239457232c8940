#include "qtdialogs.h"
#include "mainwindow.h"
#include "uikit.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setApplicationIdentity();
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
