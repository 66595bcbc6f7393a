// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class FormEvents;
class QKeyEvent;
namespace Ui {
class frmReadMe;
} // namespace Ui

// Shows the read-me file that ships beside the program. The text can be
// scrolled but not typed into; every opening reads the file afresh.
class frmReadMe : public QDialog
{
    Q_OBJECT

public:
    // Placed over `mainWindow`, whichever window owns it.
    explicit frmReadMe(QWidget* mainWindow);
    ~frmReadMe() override;

    static const QString FileName;
    // Shown when the file cannot be opened or read.
    static const QString NotFoundText;
    // The box takes at most the first 64 KiB of the file, as much as the
    // classic text box held: a huge file costs neither memory nor time.
    static constexpr qint64 Capacity = 64 * 1024;

    void Form_Load();
    void cmdOk_Click();
    void txtReadMe_KeyPress(int& KeyAscii);

    // Runs just before the file is opened, so that a test can put something
    // else in its place; an empty function runs nothing.
    static void setBeforeOpeningForTests(std::function<void()> act);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void loadFile(const QByteArray& path);

    std::unique_ptr<Ui::frmReadMe> m_ui;
    QPointer<QWidget> m_mainWindow;
    FormEvents* m_events;
};

// The program's one reference to its read-me viewer, empty while it is not
// loaded.
namespace LoadedWindows {
inline QPointer<frmReadMe> readMe;
} // namespace LoadedWindows
