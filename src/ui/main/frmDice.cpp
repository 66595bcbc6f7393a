// The main window: construction, event binding, start state and reset.
#include "frmDice.h"

#include "FormEvents.h"
#include "Fonts.h"
#include "Forms.h"
#include "ListAccessibility.h"
#include "OptionGroup.h"
#include "Program.h"
#include "Twips.h"
#include "WindowFrame.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include <dice/RandomSource.h>

namespace {
constexpr int ClientWidthTwips = 6540;
constexpr int ClientHeightTwips = 5205;
} // namespace

frmDice::frmDice(dice::RandomSource& source, QWidget* parent)
    : QMainWindow(parent), source_(source)
{
    // Before the lists exist: a screen reader's view of a control is made
    // once, as soon as the control is built.
    ListAccessibility::install();
    setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    // The other sizes let the window manager pick instead of scaling the
    // 32-pixel icon; 64 pixels come as rollwright@2x.png on dense screens.
    QIcon icon(QStringLiteral(":/icons/rollwright.png"));
    for (int size : {16, 22, 24, 48, 128})
        icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/org.example.Rollwright.png").arg(size));
    setWindowIcon(icon);
    applyFonts();

    optDieType = {optDieType_0, optDieType_1, optDieType_2, optDieType_3,
                  optDieType_4, optDieType_5, optDieType_6, optDieType_7,
                  optDieType_8, optDieType_9, optDieType_10, optDieType_11};
    dieTypes_ = new OptionGroup({optDieType.begin(), optDieType.end()}, this);

    // Alt+A opens the Action menu; the About button keeps its underline only.
    cmdAbout->setShortcut(QKeySequence());

    for (QComboBox* list : {cmbRollModifier, cmbDieModifier}) {
        // Screen readers on Linux name a list after its label and read the
        // edit part by its own name.
        list->lineEdit()->setAccessibleName(list->accessibleName());
    }
    for (QPlainTextEdit* box : {txtIndivRolls, txtIndivRollsMulti, txtModRolls, txtModRollsMulti})
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    clientArea->setFixedSize(Twips::toPixels(ClientWidthTwips), Twips::toPixels(ClientHeightTwips));
    setFixedSize(sizeHint());

    events_ = new FormEvents(this);
    events_->setDefaultButton(cmdRoll);
    events_->makeEditableList(cmbRollModifier);
    events_->makeEditableList(cmbDieModifier);
    for (QPlainTextEdit* box : {txtIndivRolls, txtIndivRollsMulti, txtModRolls, txtModRollsMulti})
        events_->keepEnterIn(box);
    bindEvents();
    Forms::dice = this;
}

frmDice::~frmDice()
{
    // Controls dying with the window may still signal or take the focus;
    // no handler of a half-destroyed window may run for that.
    delete events_;
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}

void frmDice::applyFonts()
{
    clientArea->setFont(Fonts::dialog());
    const QFont field = Fonts::field();
    for (QWidget* w : std::initializer_list<QWidget*>{txtNumDice, txtCustomDieLow, txtCustomDieHigh,
                                                      txtTotalResult, cmbRollModifier, cmbDieModifier})
        w->setFont(field);
    const QFont numbers = Fonts::numberList();
    for (QWidget* w : std::initializer_list<QWidget*>{txtIndivRolls, txtIndivRollsMulti, txtModRolls, txtModRollsMulti})
        w->setFont(numbers);
}

void frmDice::bindEvents()
{
    dieTypes_->onClick([this](int index) { optDieType_Click(index); });

    events_->onClick(txtNumDice, [this] { txtNumDice_Click(); });
    events_->onGotFocus(txtNumDice, [this] { txtNumDice_GotFocus(); });
    events_->onKeyPress(txtNumDice, [this](int& k) { txtNumDice_KeyPress(k); });
    events_->onClick(txtCustomDieLow, [this] { txtCustomDieLow_Click(); });
    events_->onGotFocus(txtCustomDieLow, [this] { txtCustomDieLow_GotFocus(); });
    events_->onKeyPress(txtCustomDieLow, [this](int& k) { txtCustomDieLow_KeyPress(k); });
    events_->onClick(txtCustomDieHigh, [this] { txtCustomDieHigh_Click(); });
    events_->onGotFocus(txtCustomDieHigh, [this] { txtCustomDieHigh_GotFocus(); });
    events_->onKeyPress(txtCustomDieHigh, [this](int& k) { txtCustomDieHigh_KeyPress(k); });

    connect(cmbRollModifier, &QComboBox::activated, this, handlerOf(this, &frmDice::cmbRollModifier_Click));
    events_->onGotFocus(cmbRollModifier, [this] { cmbRollModifier_GotFocus(); });
    events_->onKeyPress(cmbRollModifier, [this](int& k) { cmbRollModifier_KeyPress(k); });
    connect(cmbDieModifier, &QComboBox::activated, this, handlerOf(this, &frmDice::cmbDieModifier_Click));
    connect(cmbDieModifier->lineEdit(), &QLineEdit::textEdited, this,
            handlerOf(this, &frmDice::cmbDieModifier_Change));
    events_->onGotFocus(cmbDieModifier, [this] { cmbDieModifier_GotFocus(); });
    events_->onKeyPress(cmbDieModifier, [this](int& k) { cmbDieModifier_KeyPress(k); });

    connect(cmdRoll, &QPushButton::clicked, this, handlerOf(this, &frmDice::cmdRoll_Click));
    connect(cmdClear, &QPushButton::clicked, this, handlerOf(this, &frmDice::cmdClear_Click));
    connect(cmdAbout, &QPushButton::clicked, this, handlerOf(this, &frmDice::cmdAbout_Click));
    connect(cmdExit, &QPushButton::clicked, this, handlerOf(this, &frmDice::cmdExit_Click));
    connect(mnuActionRollDice, &QAction::triggered, this, handlerOf(this, &frmDice::mnuActionRollDice_Click));
    connect(mnuActionClearResults, &QAction::triggered, this,
            handlerOf(this, &frmDice::mnuActionClearResults_Click));
    connect(mnuActionExit, &QAction::triggered, this, handlerOf(this, &frmDice::mnuActionExit_Click));
    connect(mnuHelpContents, &QAction::triggered, this, handlerOf(this, &frmDice::mnuHelpContents_Click));
    connect(mnuHelpSearch, &QAction::triggered, this, handlerOf(this, &frmDice::mnuHelpSearch_Click));
    connect(mnuHelpAbout, &QAction::triggered, this, handlerOf(this, &frmDice::mnuHelpAbout_Click));
}

void frmDice::moveFocus(QWidget* control) { events_->moveFocus(control); }

void frmDice::selectEntry(QComboBox* list, int index)
{
    {
        const QSignalBlocker quiet(list);
        list->setCurrentIndex(index);
    }
    if (list == cmbRollModifier)
        cmbRollModifier_Click();
    else
        cmbDieModifier_Click();
}

void frmDice::Form_Load()
{
    WindowFrame::place(this, [this] { centreOnScreen(); });
    selectEntry(cmbRollModifier, RollModifierZero);
    selectEntry(cmbDieModifier, DieModifierZero);
}

void frmDice::centreOnScreen()
{
    // From the outer size, in single precision and not clamped: a screen
    // smaller than the window puts its corner off screen.
    const QSize screen = Program::screenSizeTwips();
    const float top = (static_cast<float>(screen.height()) - static_cast<float>(Twips::outerHeight(this))) / 2.0f;
    const float left = (static_cast<float>(screen.width()) - static_cast<float>(Twips::outerWidth(this))) / 2.0f;
    Twips::moveWindow(this, left, top);
}

void frmDice::cmdClear_Click()
{
    dieTypes_->clear(); // runs no die-type handler
    txtNumDice->setText(QStringLiteral("1"));
    txtTotalResult->clear();
    txtIndivRolls->clear();
    txtIndivRollsMulti->clear();
    txtModRolls->clear();
    txtModRollsMulti->clear();
    cmdClear->setAccessibleDescription(QString()); // the roll it told of is gone
    sides_ = 0;
    txtCustomDieLow->setText(QStringLiteral("0"));
    txtCustomDieHigh->setText(QStringLiteral("0"));
    txtIndivRolls->show();
    txtIndivRollsMulti->hide();
    txtModRolls->show();
    txtModRollsMulti->hide();
    selectEntry(cmbRollModifier, RollModifierZero);
    selectEntry(cmbDieModifier, DieModifierZero); // hides the Modified Die Rolls frame
    fraCustom->hide();
    Twips::setLeft(fraActual, ResultFramesLeft);
    Twips::setLeft(fraModified, ResultFramesLeft);
    moveFocus(txtNumDice);
}
