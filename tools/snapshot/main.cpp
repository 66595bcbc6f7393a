// SPDX-License-Identifier: MIT
// Renders the program's windows to PNG files without a display:
//   QT_QPA_PLATFORM=offscreen rollwright-snapshot OUTPUT_DIR
#include <dice/RandomSource.h>
#include <forms/Program.h>
#include <ui/info/frmAbout.h>
#include <ui/info/frmReadMe.h>
#include <ui/main/frmDice.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QTextStream>

namespace {

bool save(QWidget* window, const QDir& dir, const QString& name)
{
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(path)) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    QTextStream(stdout) << path << '\n';
    return true;
}

template <class T> T* child(QWidget* window, const char* name)
{
    return window->findChild<T*>(QString::fromLatin1(name));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: rollwright-snapshot OUTPUT_DIR\n";
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dir.path()))
        return 1;

    Dice::EntropySeededSource source(7);
    frmDice window(source);
    window.Form_Load();
    window.show();
    bool ok = save(&window, dir, QStringLiteral("main-start"));

    child<QRadioButton>(&window, "optDieType_4")->click();
    child<QLineEdit>(&window, "txtNumDice")->setText(QStringLiteral("3"));
    child<QComboBox>(&window, "cmbDieModifier")->setCurrentIndex(8);
    window.cmbDieModifier_Click();
    window.cmdRoll_Click();
    ok = save(&window, dir, QStringLiteral("main-roll")) && ok;

    child<QRadioButton>(&window, "optDieType_11")->click();
    child<QLineEdit>(&window, "txtCustomDieLow")->setText(QStringLiteral("0"));
    child<QLineEdit>(&window, "txtCustomDieHigh")->setText(QStringLiteral("1000"));
    child<QLineEdit>(&window, "txtNumDice")->setText(QStringLiteral("40"));
    window.cmdRoll_Click();
    ok = save(&window, dir, QStringLiteral("main-custom-long")) && ok;

    child<QRadioButton>(&window, "optDieType_10")->click();
    ok = save(&window, dir, QStringLiteral("main-percentile")) && ok;

    auto* about = new frmAbout(&window);
    about->setParent(&window, about->windowFlags());
    about->Form_Load();
    about->show();
    ok = save(about, dir, QStringLiteral("about")) && ok;

    // The read-me beside the programs, then a directory without one.
    Program::setHost({.directory = QByteArray(ROLLWRIGHT_PROGRAM_DIR)});
    auto* readMe = new frmReadMe(&window);
    readMe->setParent(about, readMe->windowFlags());
    readMe->Form_Load();
    readMe->show();
    ok = save(readMe, dir, QStringLiteral("readme")) && ok;
    delete readMe;

    Program::setHost({.directory = QFile::encodeName(dir.path())});
    readMe = new frmReadMe(&window);
    readMe->setParent(about, readMe->windowFlags());
    readMe->Form_Load();
    readMe->show();
    ok = save(readMe, dir, QStringLiteral("readme-missing")) && ok;
    return ok ? 0 : 1;
}
