#include "qtdialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

void QtDialogs::message(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, Title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtDialogs::question(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, Title, text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

QString QtDialogs::input(const QString &prompt, const QString &title)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(QApplication::activeWindow(), title, prompt,
                                                 QLineEdit::Normal, QString(), &ok);
    return ok ? answer : QString();
}

int QtDialogs::choose(const QString &prompt, const QStringList &items)
{
    bool ok = false;
    const QString answer = QInputDialog::getItem(QApplication::activeWindow(), Title, prompt, items, 0, false, &ok);
    return ok ? int(items.indexOf(answer)) : -1;
}

namespace {
// The file dialog of both requests; false when cancelled.
bool runFileDialog(QFileDialog::AcceptMode mode, QFileDialog::FileMode fileMode,
                   const Dialogs::FileRequest &request, QString &path)
{
    QFileDialog dialog(QApplication::activeWindow(), Dialogs::Title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(fileMode);
    dialog.setDefaultSuffix(request.defaultExtension);
    dialog.setNameFilters(fileDialogNameFilters(request.filters));
    // A name typed without an extension gets the one of the type chosen
    // ("Wireshark Capture (*.pcapng)": ".pcapng"; "All Files": none).
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &filter) {
        const qsizetype star = filter.lastIndexOf(QLatin1String("(*."));
        const qsizetype end = filter.indexOf(QLatin1Char(')'), star);
        const QString suffix = star >= 0 && end > star + 3 ? filter.mid(star + 3, end - star - 3) : QString();
        dialog.setDefaultSuffix(suffix == QLatin1String("*") ? QString() : suffix);
    });
    dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    path = dialog.selectedFiles().constFirst();
    return true;
}
} // namespace

bool QtDialogs::openFile(const FileRequest &request, QString &path)
{
    return runFileDialog(QFileDialog::AcceptOpen,
                         request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile, request, path);
}

bool QtDialogs::saveFile(const FileRequest &request, QString &path)
{
    return runFileDialog(QFileDialog::AcceptSave, QFileDialog::AnyFile, request, path);
}

QStringList fileDialogNameFilters(const QStringList &filters)
{
    QStringList result;
    for (QString filter : filters)
        result.append(filter.replace(QLatin1String("(*.*)"), QLatin1String("(*)")));
    return result;
}
