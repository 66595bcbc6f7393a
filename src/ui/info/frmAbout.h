#pragma once

#include "ui_frmAbout.h"

#include <QDialog>
#include <QString>

class FormEvents;

// The About window: title, version, rights notice and credits, and the way
// to the read-me viewer. Every opening builds and loads it afresh.
class frmAbout : public QDialog, private Ui::frmAbout
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);
    ~frmAbout() override;

    // Separates the lines of the window's texts: line feed, then carriage return.
    static const QString LineBreakPair;

    void Form_Load();
    void cmdOk_Click();
    void cmdReadme_Click();

    // The texts as composed by the load handler, before display.
    const QString& TitleText() const { return titleText_; }
    const QString& CreditsText() const { return creditsText_; }
    const QString& DisclaimerText() const { return disclaimerText_; }
    const QString& DiceCreditText() const { return diceCreditText_; }

private:
    static void setCaption(QLabel* label, const QString& text);

    FormEvents* events_;
    QString titleText_;
    QString creditsText_;
    QString disclaimerText_;
    QString diceCreditText_;
};
