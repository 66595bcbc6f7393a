// SPDX-License-Identifier: MIT
#include <forms/Fonts.h>
#include <forms/FormEvents.h>
#include <forms/Program.h>
#include <forms/ScaledFrames.h>
#include <forms/Twips.h>
#include <ui/info/CenterOverMainWindow.h>
#include <ui/info/Windows1252.h>
#include <ui/info/frmReadMe.h>

#include "ui_frmReadMe.h"

#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QPixmap>

#include <algorithm>

namespace {

constexpr int ClientWidthTwips = 7875;
constexpr int ClientHeightTwips = 4485;

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

void frmReadMe::Form_Load()
{
    // Over the main window, not over the About window that owns this one.
    CenterOverMainWindow(this, m_mainWindow);
    // Program::directory() has no trailing separator, so exactly one stands between.
    loadFile(Program::directory() + QLatin1Char('/') + FileName);
    m_ui->txtReadMe->moveCursor(QTextCursor::Start);
}

void frmReadMe::loadFile(const QString& path)
{
    // Each failing step is abandoned and the box keeps the not-found text.
    // Only a regular file is opened: a pipe or device of that name could
    // block the opening or never end.
    if (!QFileInfo(path).isFile())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QByteArray bytes(std::clamp<qint64>(file.size(), 0, Capacity), Qt::Uninitialized);
    const qint64 read = file.read(bytes.data(), bytes.size());
    file.close();
    if (read < 0)
        return;
    bytes.truncate(read);

    // A NUL would show as nothing, or cut the text short where it is copied
    // to; it shows as the replacement mark instead.
    QString text = Windows1252::decode(bytes);
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
