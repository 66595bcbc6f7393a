// SPDX-License-Identifier: MIT
#include <forms/Contrast.h>
#include <forms/Fonts.h>
#include <forms/FormEvents.h>
#include <forms/Program.h>
#include <forms/Twips.h>
#include <settings/AppSettings.h>
#include <settings/Identity.h>
#include <ui/info/CenterOverMainWindow.h>
#include <ui/info/frmAbout.h>
#include <ui/info/frmReadMe.h>

#include "ui_frmAbout.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QStringList>

namespace {

constexpr int ClientWidthTwips = 6405;
constexpr int ClientHeightTwips = 4320;

// The maker's lines come from the program's identity; the credits are the
// window's own.
const QString RightsNotice = QString::fromUtf8(Identity::Copyright);
const QString MakerEmail = QString::fromUtf8(Identity::Email);
const QString MakerWebpage = QString::fromUtf8(Identity::Homepage);
const QString FirstProgrammer = QString::fromUtf8(Identity::Vendor);
const QString DiceArtistEmail = QStringLiteral("art@example.org");

QString secondProgrammer()
{
    return frmAbout::tr("%1 contributors").arg(QString::fromUtf8(Identity::Title));
}

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

} // namespace

const QString frmAbout::LineBreakPair = QStringLiteral("\n\r");

frmAbout::frmAbout(QWidget* mainWindow)
    : m_ui(std::make_unique<Ui::frmAbout>()), m_mainWindow(mainWindow)
{
    m_ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/icons/rollwright.png")));
    setFont(Fonts::dialog());
    setFixedSize(Twips::toPixels(ClientWidthTwips), Twips::toPixels(ClientHeightTwips));

    m_ui->picIcon->setPixmap(QPixmap(QStringLiteral(":/images/dice.png")));
    applyColours();

    m_events = new FormEvents(this);
    m_events->setDefaultButton(m_ui->cmdOK);
    m_events->setCancelButton(m_ui->cmdOK);
    connect(m_ui->cmdOK, &QPushButton::clicked, this, handlerOf(this, &frmAbout::cmdOk_Click));
    connect(m_ui->cmdReadme, &QPushButton::clicked, this,
            handlerOf(this, &frmAbout::cmdReadme_Click));

    m_ui->cmdOK->setFocus(Qt::OtherFocusReason);
}

frmAbout::~frmAbout() = default;

void frmAbout::Form_Load()
{
    CenterOverMainWindow(this, m_mainWindow);

    const AppSettings& app = AppSettings::get();
    m_titleText = app.title + tr("       Version ") + QString::number(app.versionMajor) +
                  QLatin1Char('.') + QString::number(app.versionMinor) +
                  QString::number(app.versionRevision) + LineBreakPair + LineBreakPair +
                  RightsNotice;

    // The second programmer stands under the first: as many blanks as come
    // nearest the width of the word before the first, in any language.
    const QString programmers = tr("Programmers:") + blanks(3);
    const QFontMetricsF metrics(m_ui->lblCredits->font());
    const int under = qRound(metrics.horizontalAdvance(programmers) /
                             metrics.horizontalAdvance(QLatin1Char(' ')));
    m_creditsText =
        QStringList{
            tr("E-Mail:") + blanks(8) + MakerEmail,
            QString(),
            tr("Webpage:") + blanks(2) + MakerWebpage,
            QString(),
            QString(),
            programmers + FirstProgrammer,
            blanks(under) + secondProgrammer(),
        }
            .join(LineBreakPair);

    m_disclaimerText =
        tr("%1 is free software under the MIT License.").arg(QString::fromUtf8(Identity::Title)) +
        LineBreakPair + tr("It comes without any warranty.");

    m_diceCreditText = tr("Dice images by ") + secondProgrammer() + QLatin1Char('.') +
                       LineBreakPair + tr("Contact:") + blanks(2) + DiceArtistEmail;

    setCaption(m_ui->lblTitle, m_titleText);
    setCaption(m_ui->lblCredits, m_creditsText);
    setCaption(m_ui->lblDisclaimer, m_disclaimerText);
    setCaption(m_ui->lblDiceCredit, m_diceCreditText);
}

void frmAbout::applyColours()
{
    // Black text and a grey-and-white rule suit a light window; on a dark
    // one black would hide the title and the white line would glare, so
    // the theme's own colours take their place there.
    const QPalette& window = palette();
    const bool light =
        Contrast::ratio(Qt::black, window.color(QPalette::Window)) >= Contrast::Readable;
    const QColor text = light ? QColor(Qt::black) : window.color(QPalette::WindowText);
    setColour(m_ui->lblTitle, QPalette::WindowText, text);
    setColour(m_ui->lblDisclaimer, QPalette::WindowText, text);
    setColour(m_ui->Line1_1, QPalette::Window,
              light ? QColor(128, 128, 128) : window.color(QPalette::Shadow));
    setColour(m_ui->Line1_0, QPalette::Window,
              light ? QColor(255, 255, 255) : window.color(QPalette::Light));
}

void frmAbout::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    // The theme may turn dark while the window is open.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ThemeChange)
        applyColours();
}

void frmAbout::setCaption(QLabel* label, const QString& text)
{
    // A label shows each pair as a single line break.
    label->setText(QString(text).replace(LineBreakPair, QStringLiteral("\n")));
}

void frmAbout::cmdOk_Click()
{
    Program::unload(this);
}

void frmAbout::cmdReadme_Click()
{
    if (!LoadedWindows::readMe)
        LoadedWindows::readMe = new frmReadMe(m_mainWindow);
    Program::showModal(LoadedWindows::readMe, this, [] { LoadedWindows::readMe->Form_Load(); });
}
