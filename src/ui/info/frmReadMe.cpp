// SPDX-License-Identifier: MIT
#include <forms/Fonts.h>
#include <forms/FormEvents.h>
#include <forms/Program.h>
#include <forms/ScaledFrames.h>
#include <forms/Twips.h>
#include <settings/ProgramDirectory.h>
#include <ui/info/CenterOverMainWindow.h>
#include <ui/info/Windows1252.h>
#include <ui/info/frmReadMe.h>

#include "ui_frmReadMe.h"

#include <QFile>
#include <QIcon>
#include <QKeyEvent>
#include <QPixmap>

#include <algorithm>
#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace {

constexpr int ClientWidthTwips = 7875;
constexpr int ClientHeightTwips = 4485;

std::function<void()>& beforeOpening()
{
    static std::function<void()> act;
    return act;
}

#ifdef Q_OS_UNIX

// At most `capacity` bytes of the file at path, or nothing when it is no
// regular file or cannot be read. What is checked is what was opened: a name
// checked first and opened after could have become a named pipe meanwhile,
// whose opening waits for a writer that may never come.
std::optional<QByteArray> readRegularFile(const QByteArray& path, qint64 capacity)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat status = {};
    std::optional<QByteArray> bytes;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        bytes.emplace(std::clamp<qint64>(status.st_size, 0, capacity), Qt::Uninitialized);
        qsizetype got = 0;
        while (got < bytes->size()) {
            const ssize_t n =
                ::read(fd, bytes->data() + got, static_cast<size_t>(bytes->size() - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                bytes.reset();
                break;
            }
            if (n == 0)
                break;
            got += n;
        }
        if (bytes)
            bytes->truncate(got);
    }
    ::close(fd);
    return bytes;
}

#else

std::optional<QByteArray> readRegularFile(const QByteArray& path, qint64 capacity)
{
    QFile file(QFile::decodeName(path));
    if (!file.open(QIODevice::ReadOnly) || file.isSequential())
        return std::nullopt;
    QByteArray bytes = file.read(capacity);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

#endif

QIcon noIcon()
{
    // A null icon would fall back to the owner's; a clear one shows nothing.
    QPixmap clear(16, 16);
    clear.fill(Qt::transparent);
    return QIcon(clear);
}

} // namespace

const QString frmReadMe::FileName = QStringLiteral("Read Me First.txt");
// Shown in the user's language; the constant keeps the source text.
const QString frmReadMe::NotFoundText = QString::fromUtf8(
    QT_TRANSLATE_NOOP("frmReadMe", "Rollwright Error - \"Read Me First.txt\" was not found!\r\n"));

frmReadMe::frmReadMe(QWidget* mainWindow)
    : m_ui(std::make_unique<Ui::frmReadMe>()), m_mainWindow(mainWindow)
{
    m_ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(noIcon());
    setFont(Fonts::dialog());
    resize(Twips::toPixels(ClientWidthTwips), Twips::toPixels(ClientHeightTwips));

    m_ui->txtReadMe->setFont(Fonts::readMeText());
    m_ui->txtReadMe->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_ui->txtReadMe->setPlainText(tr(NotFoundText.toUtf8().constData()));
    ScaledFrames::keep(this);

    m_events = new FormEvents(this);
    m_events->setDefaultButton(m_ui->cmdOk);
    m_events->onKeyPress(m_ui->txtReadMe, [this](int& keyAscii) { txtReadMe_KeyPress(keyAscii); });
    connect(m_ui->cmdOk, &QPushButton::clicked, this, handlerOf(this, &frmReadMe::cmdOk_Click));

    m_ui->txtReadMe->setFocus(Qt::OtherFocusReason);
}

frmReadMe::~frmReadMe() = default;

void frmReadMe::setBeforeOpeningForTests(std::function<void()> act)
{
    beforeOpening() = std::move(act);
}

void frmReadMe::Form_Load()
{
    // Over the main window, not over the About window that owns this one.
    CenterOverMainWindow(this, m_mainWindow);
    // Without a directory there is no file to show, and none is looked for
    // in the root or the working folder.
    const QByteArray file = inProgramDirectory(Program::directory(), QFile::encodeName(FileName));
    if (!file.isEmpty())
        loadFile(file);
    m_ui->txtReadMe->moveCursor(QTextCursor::Start);
}

void frmReadMe::loadFile(const QByteArray& path)
{
    // A file that cannot be read leaves the not-found text in the box.
    if (beforeOpening())
        beforeOpening()();
    const std::optional<QByteArray> bytes = readRegularFile(path, Capacity);
    if (!bytes)
        return;

    // A NUL would show as nothing, or cut the text short where it is copied
    // to; it shows as the replacement mark instead.
    QString text = Windows1252::decode(*bytes);
    text.replace(QChar(u'\0'), QChar(Windows1252::Undefined));
    m_ui->txtReadMe->setPlainText(text);
}

void frmReadMe::cmdOk_Click()
{
    Program::unload(this);
}

void frmReadMe::txtReadMe_KeyPress(int& KeyAscii)
{
    // Nothing typed reaches the box; keys that type nothing still move.
    KeyAscii = 0;
}

void frmReadMe::keyPressEvent(QKeyEvent* event)
{
    // The window has no cancel button: Escape must not close it.
    if (event->matches(QKeySequence::Cancel) || event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
