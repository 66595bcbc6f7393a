// SPDX-License-Identifier: MIT
#pragma once

#include <help/HelpFile.h>
#include <help/HelpIndex.h>
#include <help/HelpRequest.h>

#include <QList>
#include <QWidget>

#include <optional>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTextBrowser;
class QUrl;

namespace Help {

class TopicDocument;

// The viewer's window: Contents and Index panes beside the chosen topic.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Loads the request's file unless it is already shown, then shows what it asks for.
    void performRequest(const HelpRequest& request);
    // A request that a later viewer process handed over: performed, then shown on top.
    void performForwardedRequest(const HelpRequest& request);
    void setHelpFile(HelpFile file);
    const HelpFile& helpFile() const { return m_file; }

    void showContents();
    void showIndex(const QString& keyword);
    bool showTopic(const QString& id);
    void openLink(const QUrl& url);
    void goBack();
    bool canGoBack() const { return !m_history.isEmpty(); }
    // Empty while no topic is shown (an error or a list of topics for a keyword).
    QString currentTopicId() const;
    // With a Wayland activation token where the compositor gave one.
    void bringToFront(const QString& activationToken = {});

    static constexpr int MaxHistory = 100;

private:
    struct Page
    {
        enum class Kind
        {
            Topic,
            KeywordTopics, // the topics listing one index keyword
        };
        Kind kind = Kind::Topic;
        QString key;
        friend bool operator==(const Page&, const Page&) = default;
    };

    void buildContents();
    void buildIndex();
    void navigate(const Page& page);
    void render(const Page& page);
    void showMessage(const QString& html);
    void showErrors();
    void selectPartialKey(const QString& text);
    void displaySelectedKeyword();
    void syncContentsSelection();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

    HelpFile m_file;
    HelpIndex m_index;
    std::optional<Page> m_current;
    QList<Page> m_history;

    QTabWidget* m_panes = nullptr;
    QListWidget* m_contentsList = nullptr;
    QWidget* m_indexPane = nullptr;
    QLineEdit* m_keywordEdit = nullptr;
    QListWidget* m_indexList = nullptr;
    QPushButton* m_displayButton = nullptr;
    QPushButton* m_backButton = nullptr;
    QTextBrowser* m_topicView = nullptr;
    TopicDocument* m_topicDocument = nullptr;
};

} // namespace Help
