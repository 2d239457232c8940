#include "flashreaderwindow.h"

#include "addresschecks.h"
#include "dialogs.h"
#include "downloadsession.h"
#include "firmwareimage.h"
#include "flashstatus.h"
#include "typedvalues.h"
#include "uikit.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHostAddress>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace {
// The status line takes the number of every block at once, but is drawn at
// most this often while blocks go out: a reader on the local network can
// acknowledge thousands of blocks a second, and drawing each number would
// cost more than sending its block. The last number is drawn when the
// interval ends.
constexpr int BlockStatusDrawMs = 20;

constexpr Qt::Alignment CaptionAlignment = Qt::AlignLeft | Qt::AlignVCenter;
//: Caption before a field, at most 109 pixels wide.
const ui::FieldSpec AddressField{"addressEdit", QT_TRANSLATE_NOOP("FlashReaderWindow", "IP Address"),
                                 QRect(660, 840, 1635, 315), QRect(2520, 840, 1635, 315), 15, {}, {}, CaptionAlignment};
//: Caption before a field, at most 125 pixels wide.
const ui::FieldSpec ControlPortField{"controlPortEdit", QT_TRANSLATE_NOOP("FlashReaderWindow", "Control Port Number"),
                                     QRect(4740, 840, 1875, 315), QRect(6840, 840, 1635, 315), 5, {}, {},
                                     CaptionAlignment};
//: Caption before a field, at most 121 pixels wide.
const ui::FieldSpec PasswordField{"passwordEdit", QT_TRANSLATE_NOOP("FlashReaderWindow", "Password"),
                                  QRect(4740, 1260, 1815, 315), QRect(6840, 1260, 1635, 315), 5, {}, {},
                                  CaptionAlignment};
// Each grey rounded rectangle stands a little outside its label on every side.
//: Button, at most 117 pixels wide.
const ui::ButtonSpec BrowseButton{"browseButton", QT_TRANSLATE_NOOP("FlashReaderWindow", "Select File"), QRect(600, 1980, 1755, 315),
                                  QRect(540, 1935, 1875, 405)};
//: Button, at most 117 pixels wide.
const ui::ButtonSpec DownloadButton{"downloadButton", QT_TRANSLATE_NOOP("FlashReaderWindow", "Start Download"), QRect(600, 3300, 1755, 315),
                                    QRect(540, 3255, 1875, 405)};
//: Button, at most 117 pixels wide.
const ui::ButtonSpec AbortButton{"abortButton", QT_TRANSLATE_NOOP("FlashReaderWindow", "Abort Download"), QRect(600, 3900, 1755, 315),
                                 QRect(540, 3855, 1875, 405)};

QLabel *lineLabel(QWidget *parent, const QString &name, const QString &text, int left, int top, int width)
{
    return ui::label(parent, name, text, ui::arialBold(), left, top, width, 315, CaptionAlignment);
}
} // namespace

FlashReaderWindow::FlashReaderWindow(Dialogs &dialogs, QWidget *parent)
    : TaskWindow(QStringLiteral("flashReader"), 10845, 5000, parent), m_dialogs(dialogs)
{
    m_headingLabel = ui::label(this, QStringLiteral("headingLabel"),
                               //: The window's heading, at most 457 pixels wide in a larger font.
                               tr("Flash Download new firmware into Reader"), ui::arialBold(12),
                               960, 120, 6855, 315, Qt::AlignCenter);
    // Each field is named by its caption for screen readers; the file path
    // and the status line are read out as they currently stand.
    auto addField = [this](const ui::FieldSpec &layout, QLabel *&caption, QLineEdit *&edit) {
        const ui::LabelledField field = ui::labelledField(this, layout);
        caption = field.caption;
        edit = field.edit;
    };
    addField(AddressField, m_addressLabel, m_addressEdit);
    addField(ControlPortField, m_controlPortLabel, m_controlPortEdit);
    addField(PasswordField, m_passwordLabel, m_passwordEdit);
    m_browseButton = ui::actionButton(this, BrowseButton);
    //: Where the chosen file's path will stand (a blank before the words).
    m_fileLabel = lineLabel(this, QStringLiteral("fileLabel"), tr(" None Selected"), 2580, 1980, 7935);
    m_downloadButton = ui::actionButton(this, DownloadButton);
    m_abortButton = ui::actionButton(this, AbortButton);
    m_statusLabel = lineLabel(this, QStringLiteral("statusLabel"), flashStatus::text(tr("Not Connected")),
                              2580, 3540, 7875);
    m_fileLabel->setAccessibleName(QString());
    m_statusLabel->setAccessibleName(QString());

    m_statusDrawTimer = new QTimer(this);
    m_statusDrawTimer->setSingleShot(true);
    m_statusDrawTimer->setInterval(BlockStatusDrawMs);
    connect(m_statusDrawTimer, &QTimer::timeout, this, [this] { m_statusLabel->setUpdatesEnabled(true); });

    m_downloadSession = new DownloadSession(this);
    m_downloadSession->setObjectName(QStringLiteral("downloadSession"));

    connect(m_browseButton, &ClickLabel::clicked, this, &FlashReaderWindow::selectFile);
    connect(m_downloadButton, &ClickLabel::clicked, this, &FlashReaderWindow::startDownload);
    connect(m_abortButton, &ClickLabel::clicked, this, &FlashReaderWindow::abortDownload);

    connect(m_downloadSession, &DownloadSession::loggedIn, this, [this] {
        setStatus(flashStatus::text(tr("Control Port Connected, Connecting to Download Port")));
    });
    connect(m_downloadSession, &DownloadSession::downloadPortConnected, this, [this] {
        setStatus(flashStatus::text(tr("Control Port Connected, Download Port Connected")));
    });
    connect(m_downloadSession, &DownloadSession::sendingAnnounce, this,
            [this] { setStatus(flashStatus::text(tr("Reader Connected, Preparing Flash"))); });
    connect(m_downloadSession, &DownloadSession::sendingBlock, this, &FlashReaderWindow::showBlockStatus);
    // The question and the messages are modal: they are shown once the
    // session has returned from the event that ended its part.
    connect(m_downloadSession, &DownloadSession::allBlocksAcknowledged, this, &FlashReaderWindow::askRestart,
            Qt::QueuedConnection);
    connect(m_downloadSession, &DownloadSession::finished, this, &FlashReaderWindow::showOutcome,
            Qt::QueuedConnection);
    // Once the application quits no message can be shown: the download is
    // cut off quietly.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &FlashReaderWindow::cancelDownload);
}

FlashReaderWindow::~FlashReaderWindow()
{
    // The session closes whatever is still open; nothing of it reaches this
    // window any more.
    m_downloadSession->disconnect(this);
    delete m_downloadSession;
}

void FlashReaderWindow::selectFile()
{
    if (m_running)
        return;
    Dialogs::FileRequest request;
    request.defaultExtension = QStringLiteral("bin");
    request.proposedName = QStringLiteral("zavtcp.bin");
    //: File type in the file dialog: keep the pattern in brackets as it is.
    request.filters = QStringList{tr("Binary Files (*.bin)"),
                                  //: File type in the file dialog: keep the pattern in brackets as it is.
                                  tr("All Files (*.*)")};
    request.mustExist = true;
    QPointer<FlashReaderWindow> self(this);
    QString path;
    const bool chosen = m_dialogs.openFile(request, path);
    if (!self || !chosen || m_running)
        return;
    m_selectedFile = path;
    m_fileLabel->setText(path);
}

void FlashReaderWindow::startDownload()
{
    if (m_running)
        return;
    if (trimBlanks(m_selectedFile).isEmpty()) {
        m_dialogs.message(tr("A File must be selected for Download"));
        return;
    }
    if (!looksLikeAddress(m_addressEdit->text())) {
        m_dialogs.message(tr("Invalid IP Address"));
        return;
    }
    const std::optional<quint16> controlPort =
        checkedPort(m_dialogs, m_controlPortEdit->text(), tr("Invalid Control Port"));
    if (!controlPort)
        return;
    if (!isFiveCharacters(m_passwordEdit->text())) {
        m_dialogs.message(tr("A 5 character password must be entered"));
        return;
    }
    const FirmwareImage::Check image = FirmwareImage::checkFile(m_selectedFile);
    if (image != FirmwareImage::Usable) {
        m_dialogs.message(FirmwareImage::refusal(image, m_selectedFile, QFileInfo(m_selectedFile).size()));
        return;
    }

    // The fields stay editable while the download runs; both connections go
    // to the reader, and with the password, that the click started with.
    DownloadSession::Options options;
    static_cast<DownloadSession::Limits &>(options) = m_limits;
    // What is no numeric address reaches no reader: the session fails at
    // once, with nothing sent and no name looked up.
    options.address = readerAddressFromText(m_addressEdit->text()).value_or(QHostAddress());
    options.controlPort = *controlPort;
    options.password = m_passwordEdit->text().toLatin1();
    // Read block by block as the download goes on, from the file as it is then.
    options.imagePath = m_selectedFile;
    options.decideRestartLater = true;
    // The reader gets its full pause after the restart message, whether or
    // not it closes the connections sooner.
    options.restartEndsOnClose = false;
    m_running = true;
    setStatus(flashStatus::text(tr("Connecting to Control Port")));
    m_downloadSession->start(options);
}

void FlashReaderWindow::abortDownload()
{
    // Carried out once the block in flight is acknowledged, unless it is the last.
    m_downloadSession->stopAfterCurrentBlock();
}

void FlashReaderWindow::askRestart()
{
    if (!m_downloadSession->isRunning())
        return;
    setStatus(flashStatus::text(tr("Download Complete")));
    QPointer<FlashReaderWindow> self(this);
    const bool restart = m_dialogs.question(
        tr("The Download is complete - Do you wish to restart the reader now with the new firmware?"));
    if (!self)
        return;
    // No answer to the restart message is expected: the reader gets its pause
    // before the connections are closed.
    if (restart)
        m_downloadSession->restartReader();
    else
        m_downloadSession->closeWithoutRestart();
}

void FlashReaderWindow::showOutcome(bool ok)
{
    // Left over from a download that was cut off, after which another began.
    if (m_downloadSession->isRunning())
        return;
    if (!ok) {
        QString message;
        switch (m_downloadSession->failure()) {
        case DownloadSession::NoControlPort:
            message = tr("Unable to connect to Control Port");
            break;
        case DownloadSession::NoDownloadPort:
            message = tr("Unable to connect to Download Port");
            break;
        case DownloadSession::ImageUnreadable:
            message = m_downloadSession->errorText();
            break;
        case DownloadSession::Stopped:
            setStatus(flashStatus::text(tr("Download Aborted")));
            break;
        default:
            message = tr("Reader is not responding");
            break;
        }
        if (!message.isEmpty()) {
            QPointer<FlashReaderWindow> self(this);
            m_dialogs.message(message);
            if (!self)
                return;
        }
    }
    m_running = false;
}

void FlashReaderWindow::cancelDownload()
{
    if (!m_downloadSession->isRunning())
        return;
    m_downloadSession->stop();
    setStatus(flashStatus::text(tr("Download Aborted")));
    m_running = false;
}

void FlashReaderWindow::closeEvent(QCloseEvent *event)
{
    cancelDownload();
    TaskWindow::closeEvent(event);
}

void FlashReaderWindow::showBlockStatus(int block, int blockCount)
{
    const bool drawNow = !m_statusDrawTimer->isActive();
    m_statusLabel->setUpdatesEnabled(drawNow);
    m_statusLabel->setText(flashStatus::downloading(block, blockCount));
    if (drawNow)
        m_statusDrawTimer->start();
}

void FlashReaderWindow::setStatus(const QString &statusText)
{
    m_statusDrawTimer->stop();
    m_statusLabel->setUpdatesEnabled(true);
    m_statusLabel->setText(statusText);
}
