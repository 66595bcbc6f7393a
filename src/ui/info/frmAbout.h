// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>

#include <memory>

class FormEvents;
class QLabel;
namespace Ui {
class frmAbout;
} // namespace Ui

// The About window: title, version, rights notice and credits, and the way
// to the read-me viewer. Every opening builds and loads it afresh.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    // Placed over `mainWindow`, as is the read-me viewer it opens.
    explicit frmAbout(QWidget* mainWindow);
    ~frmAbout() override;

    // Separates the lines of the window's texts: line feed, then carriage return.
    static const QString LineBreakPair;

    void Form_Load();
    void cmdOk_Click();
    void cmdReadme_Click();

    // The texts as composed by the load handler, before display.
    const QString& TitleText() const { return m_titleText; }
    const QString& CreditsText() const { return m_creditsText; }
    const QString& DisclaimerText() const { return m_disclaimerText; }
    const QString& DiceCreditText() const { return m_diceCreditText; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyColours();
    static void setCaption(QLabel* label, const QString& text);

    std::unique_ptr<Ui::frmAbout> m_ui;
    QPointer<QWidget> m_mainWindow;
    FormEvents* m_events;
    QString m_titleText;
    QString m_creditsText;
    QString m_disclaimerText;
    QString m_diceCreditText;
};

// The program's one reference to its About window, empty while it is not
// loaded.
namespace LoadedWindows {
inline QPointer<frmAbout> about;
} // namespace LoadedWindows
