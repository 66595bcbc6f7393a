#include "frmAbout.h"

#include "AppSettings.h"
#include "CenterOverMainWindow.h"
#include "Fonts.h"
#include "FormEvents.h"
#include "Forms.h"
#include "Program.h"
#include "Twips.h"
#include "frmReadMe.h"

#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QStringList>

namespace {

constexpr int ClientWidthTwips = 6405;
constexpr int ClientHeightTwips = 4320;

const QString RightsNotice = QStringLiteral("Copyright (c) 2026 Rollwright developers");
const QString MakerEmail = QStringLiteral("rollwright@example.org");
const QString MakerWebpage = QStringLiteral("https://example.org/rollwright");
const QString FirstProgrammer = QStringLiteral("Rollwright developers");
const QString SecondProgrammer = QStringLiteral("Rollwright contributors");
const QString DisclaimerLine1 = QStringLiteral("Rollwright is free software under the MIT License.");
const QString DisclaimerLine2 = QStringLiteral("It comes without any warranty.");
const QString DiceArtist = QStringLiteral("Rollwright contributors");
const QString DiceArtistEmail = QStringLiteral("art@example.org");

QString blanks(int count) { return QString(count, QLatin1Char(' ')); }

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

} // namespace

const QString frmAbout::LineBreakPair = QStringLiteral("\n\r");

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/icons/rollwright.png")));
    setFont(Fonts::dialog());
    setFixedSize(Twips::toPixels(ClientWidthTwips), Twips::toPixels(ClientHeightTwips));

    picIcon->setPixmap(QPixmap(QStringLiteral(":/images/dice.png")));
    setColour(lblTitle, QPalette::WindowText, Qt::black);
    setColour(lblDisclaimer, QPalette::WindowText, Qt::black);
    setColour(Line1_1, QPalette::Window, QColor(128, 128, 128));
    setColour(Line1_0, QPalette::Window, QColor(255, 255, 255));

    events_ = new FormEvents(this);
    events_->setDefaultButton(cmdOK);
    events_->setCancelButton(cmdOK);
    connect(cmdOK, &QPushButton::clicked, this, handlerOf(this, &frmAbout::cmdOk_Click));
    connect(cmdReadme, &QPushButton::clicked, this, handlerOf(this, &frmAbout::cmdReadme_Click));

    cmdOK->setFocus(Qt::OtherFocusReason);
}

frmAbout::~frmAbout() = default;

void frmAbout::Form_Load()
{
    CenterOverMainWindow(this);

    const AppSettings& app = AppSettings::get();
    titleText_ = app.title + QStringLiteral("       Version ") + QString::number(app.versionMajor) +
                 QLatin1Char('.') + QString::number(app.versionMinor) +
                 QString::number(app.versionRevision) + LineBreakPair + LineBreakPair + RightsNotice;

    creditsText_ = QStringList{
        QStringLiteral("E-Mail:") + blanks(8) + MakerEmail,
        QString(),
        QStringLiteral("Webpage:") + blanks(2) + MakerWebpage,
        QString(),
        QString(),
        QStringLiteral("Programmers:") + blanks(3) + FirstProgrammer,
        blanks(25) + SecondProgrammer,
    }.join(LineBreakPair);

    disclaimerText_ = DisclaimerLine1 + LineBreakPair + DisclaimerLine2;

    diceCreditText_ = QStringLiteral("Dice images by ") + DiceArtist + QLatin1Char('.') + LineBreakPair +
                      QStringLiteral("Contact:") + blanks(2) + DiceArtistEmail;

    setCaption(lblTitle, titleText_);
    setCaption(lblCredits, creditsText_);
    setCaption(lblDisclaimer, disclaimerText_);
    setCaption(lblDiceCredit, diceCreditText_);
}

void frmAbout::setCaption(QLabel* label, const QString& text)
{
    // A label shows each pair as a single line break.
    label->setText(QString(text).replace(LineBreakPair, QStringLiteral("\n")));
}

void frmAbout::cmdOk_Click() { Program::unload(this); }

void frmAbout::cmdReadme_Click()
{
    if (!Forms::readMe)
        Forms::readMe = new frmReadMe;
    Program::showModal(Forms::readMe, this, [] { Forms::readMe->Form_Load(); });
}
