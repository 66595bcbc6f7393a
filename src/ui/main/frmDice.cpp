// SPDX-License-Identifier: MIT
// The main window: construction, event binding, start state and reset.
#include <dice/RandomSource.h>
#include <forms/Fonts.h>
#include <forms/FormEvents.h>
#include <forms/ListAccessibility.h>
#include <forms/OptionGroup.h>
#include <forms/Program.h>
#include <forms/ScaledFrames.h>
#include <forms/Twips.h>
#include <forms/WindowFrame.h>
#include <ui/main/frmDice.h>

#include "ui_frmDice.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace {
constexpr int ClientWidthTwips = 6540;
constexpr int ClientHeightTwips = 5205;
} // namespace

frmDice::frmDice(Dice::RandomSource& source, QWidget* parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::frmDice>()), m_source(source)
{
    // Before the lists exist: a screen reader's view of a control is made
    // once, as soon as the control is built.
    ListAccessibility::install();
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    // A window manager frames a window by its flags and by whether it can be
    // resized, not by its size: asked now, it answers while the controls are
    // built, and the window is placed without waiting. The menu bar's height
    // makes the final size.
    setFixedSize(Twips::toPixels(ClientWidthTwips), Twips::toPixels(ClientHeightTwips));
    WindowFrame::prepare(this);
    m_ui->setupUi(this);
    // The other sizes let the window manager pick instead of scaling the
    // 32-pixel icon; 64 pixels come as rollwright@2x.png on dense screens.
    QIcon icon(QStringLiteral(":/icons/rollwright.png"));
    for (int size : {16, 22, 24, 48, 128})
        icon.addFile(QStringLiteral(":/icons/rollwright-%1.png").arg(size));
    setWindowIcon(icon);
    applyFonts();
    ScaledFrames::keep(this);

    optDieType = {m_ui->optDieType_0, m_ui->optDieType_1, m_ui->optDieType_2,  m_ui->optDieType_3,
                  m_ui->optDieType_4, m_ui->optDieType_5, m_ui->optDieType_6,  m_ui->optDieType_7,
                  m_ui->optDieType_8, m_ui->optDieType_9, m_ui->optDieType_10, m_ui->optDieType_11};
    m_dieTypes = new OptionGroup({optDieType.begin(), optDieType.end()}, this);

    // Where a menu has the About button's access key too (English "&About"
    // and "&Action"), the key opens the menu and the button keeps its
    // underline only; where no menu has it, the button's key acts.
    const QKeySequence aboutKey = QKeySequence::mnemonic(m_ui->cmdAbout->text());
    for (const QAction* menu : menuBar()->actions()) {
        if (QKeySequence::mnemonic(menu->text()) == aboutKey)
            m_ui->cmdAbout->setShortcut(QKeySequence());
    }

    for (QComboBox* list : {m_ui->cmbRollModifier, m_ui->cmbDieModifier}) {
        // Screen readers on Linux name a list after its label and read the
        // edit part by its own name.
        list->lineEdit()->setAccessibleName(list->accessibleName());
    }
    for (QPlainTextEdit* box :
         {m_ui->txtIndivRolls, m_ui->txtIndivRollsMulti, m_ui->txtModRolls, m_ui->txtModRollsMulti})
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    m_ui->clientArea->setFixedSize(Twips::toPixels(ClientWidthTwips),
                                   Twips::toPixels(ClientHeightTwips));
    setFixedSize(sizeHint());

    m_events = new FormEvents(this);
    m_events->setDefaultButton(m_ui->cmdRoll);
    m_events->makeEditableList(m_ui->cmbRollModifier);
    m_events->makeEditableList(m_ui->cmbDieModifier);
    for (QPlainTextEdit* box :
         {m_ui->txtIndivRolls, m_ui->txtIndivRollsMulti, m_ui->txtModRolls, m_ui->txtModRollsMulti})
        m_events->keepEnterIn(box);
    bindEvents();
    LoadedWindows::dice = this;
}

frmDice::~frmDice()
{
    // Controls dying with the window may still signal or take the focus;
    // no handler of a half-destroyed window may run for that.
    delete m_events;
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}

void frmDice::applyFonts()
{
    m_ui->clientArea->setFont(Fonts::dialog());
    const QFont field = Fonts::field();
    for (QWidget* w : std::initializer_list<QWidget*>{m_ui->txtNumDice, m_ui->txtCustomDieLow,
                                                      m_ui->txtCustomDieHigh, m_ui->txtTotalResult,
                                                      m_ui->cmbRollModifier, m_ui->cmbDieModifier})
        w->setFont(field);
    const QFont numbers = Fonts::numberList();
    for (QWidget* w : std::initializer_list<QWidget*>{m_ui->txtIndivRolls, m_ui->txtIndivRollsMulti,
                                                      m_ui->txtModRolls, m_ui->txtModRollsMulti})
        w->setFont(numbers);
}

void frmDice::bindEvents()
{
    m_dieTypes->onClick([this](int index) { optDieType_Click(index); });

    m_events->onClick(m_ui->txtNumDice, [this] { txtNumDice_Click(); });
    m_events->onGotFocus(m_ui->txtNumDice, [this] { txtNumDice_GotFocus(); });
    m_events->onKeyPress(m_ui->txtNumDice, [this](int& k) { txtNumDice_KeyPress(k); });
    m_events->onClick(m_ui->txtCustomDieLow, [this] { txtCustomDieLow_Click(); });
    m_events->onGotFocus(m_ui->txtCustomDieLow, [this] { txtCustomDieLow_GotFocus(); });
    m_events->onKeyPress(m_ui->txtCustomDieLow, [this](int& k) { txtCustomDieLow_KeyPress(k); });
    m_events->onClick(m_ui->txtCustomDieHigh, [this] { txtCustomDieHigh_Click(); });
    m_events->onGotFocus(m_ui->txtCustomDieHigh, [this] { txtCustomDieHigh_GotFocus(); });
    m_events->onKeyPress(m_ui->txtCustomDieHigh, [this](int& k) { txtCustomDieHigh_KeyPress(k); });

    connect(m_ui->cmbRollModifier, &QComboBox::activated, this,
            handlerOf(this, &frmDice::cmbRollModifier_Click));
    m_events->onGotFocus(m_ui->cmbRollModifier, [this] { cmbRollModifier_GotFocus(); });
    m_events->onKeyPress(m_ui->cmbRollModifier, [this](int& k) { cmbRollModifier_KeyPress(k); });
    connect(m_ui->cmbDieModifier, &QComboBox::activated, this,
            handlerOf(this, &frmDice::cmbDieModifier_Click));
    connect(m_ui->cmbDieModifier->lineEdit(), &QLineEdit::textEdited, this,
            handlerOf(this, &frmDice::cmbDieModifier_Change));
    m_events->onGotFocus(m_ui->cmbDieModifier, [this] { cmbDieModifier_GotFocus(); });
    m_events->onKeyPress(m_ui->cmbDieModifier, [this](int& k) { cmbDieModifier_KeyPress(k); });

    connect(m_ui->cmdRoll, &QPushButton::clicked, this, handlerOf(this, &frmDice::cmdRoll_Click));
    connect(m_ui->cmdClear, &QPushButton::clicked, this, handlerOf(this, &frmDice::cmdClear_Click));
    connect(m_ui->cmdAbout, &QPushButton::clicked, this, handlerOf(this, &frmDice::cmdAbout_Click));
    connect(m_ui->cmdExit, &QPushButton::clicked, this, handlerOf(this, &frmDice::cmdExit_Click));
    connect(m_ui->mnuActionRollDice, &QAction::triggered, this,
            handlerOf(this, &frmDice::mnuActionRollDice_Click));
    connect(m_ui->mnuActionClearResults, &QAction::triggered, this,
            handlerOf(this, &frmDice::mnuActionClearResults_Click));
    connect(m_ui->mnuActionExit, &QAction::triggered, this,
            handlerOf(this, &frmDice::mnuActionExit_Click));
    connect(m_ui->mnuHelpContents, &QAction::triggered, this,
            handlerOf(this, &frmDice::mnuHelpContents_Click));
    connect(m_ui->mnuHelpSearch, &QAction::triggered, this,
            handlerOf(this, &frmDice::mnuHelpSearch_Click));
    connect(m_ui->mnuHelpAbout, &QAction::triggered, this,
            handlerOf(this, &frmDice::mnuHelpAbout_Click));
}

void frmDice::moveFocus(QWidget* control)
{
    m_events->moveFocus(control);
}

void frmDice::selectEntry(QComboBox* list, int index)
{
    {
        const QSignalBlocker quiet(list);
        list->setCurrentIndex(index);
    }
    if (list == m_ui->cmbRollModifier)
        cmbRollModifier_Click();
    else
        cmbDieModifier_Click();
}

void frmDice::Form_Load()
{
    WindowFrame::place(this, [this] { centreOnScreen(); });
    selectEntry(m_ui->cmbRollModifier, RollModifierZero);
    selectEntry(m_ui->cmbDieModifier, DieModifierZero);
}

void frmDice::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Shown for the first time, the window starts in the first control in
    // tab order, whose entry selects its text.
    if (!m_shownBefore) {
        m_shownBefore = true;
        moveFocus(m_ui->txtNumDice);
    }
}

void frmDice::centreOnScreen()
{
    // From the outer size, in single precision and not clamped: a screen
    // smaller than the window puts its corner off screen.
    const QSize screen = Program::screenSizeTwips();
    const float top =
        (static_cast<float>(screen.height()) - static_cast<float>(Twips::outerHeight(this))) / 2.0f;
    const float left =
        (static_cast<float>(screen.width()) - static_cast<float>(Twips::outerWidth(this))) / 2.0f;
    Twips::moveWindow(this, left, top);
}

void frmDice::cmdClear_Click()
{
    m_dieTypes->clear(); // runs no die-type handler
    m_ui->txtNumDice->setText(QStringLiteral("1"));
    clearResults();
    m_sides = 0;
    m_ui->txtCustomDieLow->setText(QStringLiteral("0"));
    m_ui->txtCustomDieHigh->setText(QStringLiteral("0"));
    m_ui->txtIndivRolls->show();
    m_ui->txtIndivRollsMulti->hide();
    m_ui->txtModRolls->show();
    m_ui->txtModRollsMulti->hide();
    selectEntry(m_ui->cmbRollModifier, RollModifierZero);
    selectEntry(m_ui->cmbDieModifier, DieModifierZero); // hides the Modified Die Rolls frame
    m_ui->fraCustom->hide();
    Twips::setLeft(m_ui->fraActual, ResultFramesLeft);
    Twips::setLeft(m_ui->fraModified, ResultFramesLeft);
    moveFocus(m_ui->txtNumDice);
}
