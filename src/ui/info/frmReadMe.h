#pragma once

#include "ui_frmReadMe.h"

#include <QDialog>
#include <QString>

class FormEvents;
class QKeyEvent;

// Shows the read-me file that ships beside the program. The text can be
// scrolled but not typed into; every opening reads the file afresh.
class frmReadMe : public QDialog, private Ui::frmReadMe
{
    Q_OBJECT

public:
    explicit frmReadMe(QWidget* parent = nullptr);
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

    // Tests point the viewer at a directory of their own; an empty text
    // returns it to the program's directory.
    static void setDirectoryForTests(const QString& directory);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    static QString directory();
    void loadFile(const QString& path);

    FormEvents* events_;
};
