#include "wideprogram.h"
#include "scripteddialogs.h"
#include "uikit.h"
#include <QApplication>
int main(int argc, char **argv) {
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    ScriptedDialogs d;
    WideProgram w(d);
    w.setup("192.168.1.55", "87");
    w.show();
    app.processEvents();
    w.grab().save("/tmp/wideprogram-empty.png");
}
