// SPDX-License-Identifier: MIT
#include <help/HelpFileLoader.h>
#include <help/HelpInstance.h>
#include <help/HelpWindow.h>
#include <help/TopicDocument.h>
#include <settings/Identity.h>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolTip>
#include <QUrl>
#include <QVBoxLayout>

namespace Help {
namespace {

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

// Long titles and keywords wrap instead of hiding behind a sideways scroll bar.
QListWidget* makeWrappingList(const QString& objectName, const QString& accessibleName)
{
    auto* list = new QListWidget;
    list->setObjectName(objectName);
    list->setAccessibleName(accessibleName);
    list->setWordWrap(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setResizeMode(QListView::Adjust);
    list->setSpacing(1);
    return list;
}

// Wrapping lays out the whole text of every item, at every change of the
// list's width, in time that grows with the characters (wide ones cost
// most). A list beyond these shows one line per item instead, of at most
// ShownCharacters, the whole text in its tooltip.
constexpr qsizetype MaxWrappedItems = 2000;
constexpr qsizetype MaxWrappedCharacters = 100'000;
constexpr qsizetype ShownCharacters = 200;

// At most ShownCharacters of text, a pair of surrogates kept whole.
QString cutShort(const QString& text)
{
    if (text.size() <= ShownCharacters)
        return text;
    qsizetype end = ShownCharacters - 1;
    if (text.at(end - 1).isHighSurrogate())
        --end;
    return text.left(end) + QChar(0x2026); // …
}

void fillList(QListWidget* list, const QStringList& texts)
{
    const QSignalBlocker blocker(list);
    qsizetype characters = 0;
    for (const QString& text : texts)
        characters += text.size();
    const bool wrap = texts.size() <= MaxWrappedItems && characters <= MaxWrappedCharacters;
    list->clear();
    list->setWordWrap(wrap);
    list->setUniformItemSizes(!wrap);
    if (wrap) {
        list->addItems(texts);
        return;
    }
    QStringList shown;
    shown.reserve(texts.size());
    for (const QString& text : texts)
        shown.append(cutShort(text));
    list->addItems(shown);
    for (qsizetype row = 0; row < texts.size(); ++row) {
        if (shown[row].size() == texts[row].size())
            continue;
        QListWidgetItem* item = list->item(static_cast<int>(row));
        item->setToolTip(texts[row]);
        item->setData(Qt::AccessibleTextRole, texts[row]);
    }
}

bool opensOutside(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           scheme == QLatin1String("mailto");
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(tr("%1 Help").arg(QString::fromUtf8(Identity::Title)));
    resize(880, 620);

    m_backButton = new QPushButton(style()->standardIcon(QStyle::SP_ArrowBack), tr("&Back"));
    m_backButton->setObjectName(QStringLiteral("backButton"));
    m_backButton->setAccessibleName(tr("Back"));
    m_backButton->setToolTip(tr("Go back to the previous topic (Alt+Left)"));
    m_backButton->setEnabled(false);
    m_backButton->setAutoDefault(false);

    m_contentsList = makeWrappingList(QStringLiteral("contentsList"), tr("Contents"));

    m_keywordEdit = new QLineEdit;
    m_keywordEdit->setObjectName(QStringLiteral("keywordEdit"));
    m_keywordEdit->setAccessibleName(tr("Keyword"));
    m_keywordEdit->setClearButtonEnabled(true);
    m_keywordEdit->installEventFilter(this);
    auto* keywordLabel = new QLabel(tr("Type the first letters of a &keyword:"));
    keywordLabel->setBuddy(m_keywordEdit);

    m_indexList = makeWrappingList(QStringLiteral("indexList"), tr("Keywords"));
    m_displayButton = new QPushButton(tr("&Display"));
    m_displayButton->setAutoDefault(false);

    m_indexPane = new QWidget;
    auto* indexLayout = new QVBoxLayout(m_indexPane);
    indexLayout->addWidget(keywordLabel);
    indexLayout->addWidget(m_keywordEdit);
    indexLayout->addWidget(m_indexList, 1);
    indexLayout->addWidget(m_displayButton, 0, Qt::AlignRight);

    m_panes = new QTabWidget;
    m_panes->setObjectName(QStringLiteral("panes"));
    m_panes->setAccessibleName(tr("Contents and Index"));
    m_panes->addTab(m_contentsList, tr("&Contents"));
    m_panes->addTab(m_indexPane, tr("I&ndex"));
    m_contentsList->viewport()->installEventFilter(this);
    m_indexList->viewport()->installEventFilter(this);

    m_topicView = new QTextBrowser;
    m_topicView->setObjectName(QStringLiteral("topicView"));
    m_topicView->setAccessibleName(tr("Topic"));
    m_topicView->setOpenLinks(false);
    m_topicDocument = new TopicDocument(m_topicView);
    m_topicDocument->setDefaultFont(m_topicView->document()->defaultFont());
    m_topicDocument->setDocumentMargin(12);
    m_topicDocument->setLinkColour(TopicDocument::readableLinkColour(palette()));
    m_topicView->setDocument(m_topicDocument);

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(m_panes);
    splitter->addWidget(m_topicView);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({270, 610});
    splitter->setChildrenCollapsible(false);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_backButton);
    buttonRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttonRow);
    layout->addWidget(splitter, 1);

    connect(m_backButton, &QPushButton::clicked, this, &HelpWindow::goBack);
    auto* backShortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Left), this);
    connect(backShortcut, &QShortcut::activated, this, &HelpWindow::goBack);

    connect(m_contentsList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < m_file.topics.size())
            navigate({Page::Kind::Topic, m_file.topics[row].id});
    });
    // A click on the current row still matters after a keyword's topic list.
    connect(m_contentsList, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = m_contentsList->row(item);
        if (row >= 0 && row < m_file.topics.size())
            navigate({Page::Kind::Topic, m_file.topics[row].id});
    });

    connect(m_keywordEdit, &QLineEdit::textChanged, this, &HelpWindow::selectPartialKey);
    connect(m_keywordEdit, &QLineEdit::returnPressed, this, &HelpWindow::displaySelectedKeyword);
    connect(m_indexList, &QListWidget::itemActivated, this, &HelpWindow::displaySelectedKeyword);
    connect(m_indexList, &QListWidget::itemClicked, this, &HelpWindow::displaySelectedKeyword);
    connect(m_displayButton, &QPushButton::clicked, this, &HelpWindow::displaySelectedKeyword);
    connect(m_topicView, &QTextBrowser::anchorClicked, this, &HelpWindow::openLink);
}

void HelpWindow::performRequest(const HelpRequest& request)
{
    const QByteArray path = canonicalHelpPath(request.file);
    // A file that failed is read again: the user may have put it right meanwhile.
    if (path != m_file.path || m_file.hasErrors())
        setHelpFile(loadHelpFile(path));
    if (request.mode == HelpRequest::Mode::Index)
        showIndex(request.keyword);
    else
        showContents();
}

void HelpWindow::performForwardedRequest(const HelpRequest& request)
{
    performRequest(request);
    bringToFront(request.activationToken);
}

void HelpWindow::setHelpFile(HelpFile file)
{
    m_file = std::move(file);
    m_index = HelpIndex(m_file);
    m_history.clear();
    m_current.reset();
    m_backButton->setEnabled(false);
    buildContents();
    buildIndex();

    const bool usable = !m_file.hasErrors();
    m_panes->setEnabled(usable);
    if (usable)
        showTopic(m_file.topics.constFirst().id);
    else
        showErrors();
}

void HelpWindow::buildContents()
{
    QStringList titles;
    titles.reserve(m_file.topics.size());
    for (const HelpTopic& topic : std::as_const(m_file.topics))
        titles.append(topic.title);
    fillList(m_contentsList, titles);
}

void HelpWindow::buildIndex()
{
    QStringList keywords;
    keywords.reserve(m_index.entries().size());
    for (const HelpIndex::Entry& entry : m_index.entries())
        keywords.append(entry.keyword);
    fillList(m_indexList, keywords);
}

void HelpWindow::showContents()
{
    m_panes->setCurrentWidget(m_contentsList);
    if (!m_file.hasErrors())
        showTopic(m_file.topics.constFirst().id);
    m_contentsList->setFocus();
}

void HelpWindow::showIndex(const QString& keyword)
{
    m_panes->setCurrentWidget(m_indexPane);
    m_keywordEdit->setText(keyword);
    selectPartialKey(keyword); // also when the text was already there
    m_keywordEdit->setFocus();
}

bool HelpWindow::showTopic(const QString& id)
{
    if (!m_file.topic(id))
        return false;
    navigate({Page::Kind::Topic, id});
    return true;
}

void HelpWindow::openLink(const QUrl& url)
{
    if (url.scheme() == QString::fromUtf16(topicLinkScheme)) {
        if (!showTopic(url.path())) {
            showMessage(tr("<h2>Topic not found</h2><p>This link leads to the topic "
                           "<b>%1</b>, which the help file does not have.</p>"
                           "<p>Use <b>Back</b> to return.</p>")
                            .arg(escaped(url.path())));
        }
        return;
    }
    // Anything else could start a program or open a local file.
    if (!opensOutside(url)) {
        showMessage(tr("<h2>Link not followed</h2><p>This link leads to <b>%1</b>; help topics "
                       "open only web and mail addresses.</p>")
                        .arg(escaped(url.toString())));
        return;
    }
    QDesktopServices::openUrl(url);
}

void HelpWindow::goBack()
{
    if (m_history.isEmpty())
        return;
    m_current = m_history.takeLast();
    render(*m_current);
    m_backButton->setEnabled(canGoBack());
}

QString HelpWindow::currentTopicId() const
{
    return m_current && m_current->kind == Page::Kind::Topic ? m_current->key : QString();
}

void HelpWindow::bringToFront(const QString& activationToken)
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    // Qt's Wayland client activates with the token in this variable, and spends it.
    if (!activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    activateWindow();
}

void HelpWindow::navigate(const Page& page)
{
    if (m_current && *m_current != page) {
        m_history.append(*m_current);
        if (m_history.size() > MaxHistory)
            m_history.removeFirst();
    }
    m_current = page;
    render(page);
    m_backButton->setEnabled(canGoBack());
}

void HelpWindow::render(const Page& page)
{
    if (page.kind == Page::Kind::Topic) {
        const HelpTopic* topic = m_file.topic(page.key);
        m_topicDocument->showMarkdown(QStringLiteral("# %1\n\n%2").arg(topic->title, topic->body));
    } else {
        const qsizetype entry = m_index.find(page.key);
        QString html =
            tr("<h2>%1</h2><p>These topics are about this keyword:</p><ul>").arg(escaped(page.key));
        for (const QString& id : m_index.entries()[entry].topicIds) {
            html += QStringLiteral("<li><a href=\"%1:%2\">%3</a></li>")
                        .arg(QString::fromUtf16(topicLinkScheme), escaped(id),
                             escaped(m_file.topic(id)->title));
        }
        m_topicDocument->showHtml(html + QStringLiteral("</ul>"));
    }
    m_topicView->verticalScrollBar()->setValue(0);
    syncContentsSelection();
}

void HelpWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::PaletteChange)
        return;
    // A theme switched while the window is open recolours the shown topic's links.
    m_topicDocument->setLinkColour(TopicDocument::readableLinkColour(palette()));
    if (m_current) {
        const int at = m_topicView->verticalScrollBar()->value();
        render(*m_current);
        m_topicView->verticalScrollBar()->setValue(at);
    }
}

void HelpWindow::showMessage(const QString& html)
{
    m_topicDocument->showHtml(html);
    m_topicView->verticalScrollBar()->setValue(0);
}

void HelpWindow::showErrors()
{
    QString html = tr("<h2>The help file cannot be shown</h2><p>File: <b>%1</b></p>")
                       .arg(escaped(QDir::toNativeSeparators(displayedPath(m_file.path))));
    html += QStringLiteral("<ul>");
    for (const HelpDiagnostic& diagnostic : std::as_const(m_file.diagnostics)) {
        if (diagnostic.severity != HelpDiagnostic::Severity::Error)
            continue;
        // Messages read as sentences here, not in a compiler's lower case.
        QString message = diagnostic.message;
        message[0] = message[0].toUpper();
        html += diagnostic.line > 0
                    ? tr("<li>Line %1: %2</li>").arg(diagnostic.line).arg(escaped(message))
                    : QStringLiteral("<li>%1</li>").arg(escaped(message));
    }
    html += QStringLiteral("</ul>");
    html += tr("<p>%1's help file, Rollwright.hlp, belongs in the same folder as the "
               "program; installing %1 again restores it.</p>")
                .arg(QString::fromUtf8(Identity::Title));
    showMessage(html);
}

void HelpWindow::selectPartialKey(const QString& text)
{
    if (text.isEmpty()) {
        m_indexList->setCurrentRow(-1);
        m_indexList->clearSelection();
        m_indexList->scrollToTop();
        return;
    }
    // Without a match the previous choice stays, as the nearest one typed so far.
    const qsizetype row = m_index.firstMatch(text);
    if (row < 0)
        return;
    m_indexList->setCurrentRow(static_cast<int>(row));
    m_indexList->scrollToItem(m_indexList->item(static_cast<int>(row)),
                              QAbstractItemView::PositionAtTop);
}

void HelpWindow::displaySelectedKeyword()
{
    const int row = m_indexList->currentRow();
    if (row < 0 || row >= m_index.entries().size())
        return;
    const HelpIndex::Entry& entry = m_index.entries()[row];
    if (entry.topicIds.size() == 1)
        navigate({Page::Kind::Topic, entry.topicIds.constFirst()});
    else
        navigate({Page::Kind::KeywordTopics, entry.keyword});
}

void HelpWindow::syncContentsSelection()
{
    const QSignalBlocker blocker(m_contentsList);
    const qsizetype row = m_file.topicRow(currentTopicId());
    if (row >= 0)
        m_contentsList->setCurrentRow(static_cast<int>(row));
    else
        m_contentsList->clearSelection();
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The arrow keys in the keyword field move through the keywords below it.
    if (watched == m_keywordEdit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(m_indexList, event);
            return true;
        default:
            break;
        }
    }
    // In a long list an item is cut short to one line; its tooltip shows all of it.
    if (event->type() == QEvent::ToolTip &&
        (watched == m_contentsList->viewport() || watched == m_indexList->viewport())) {
        auto* list = watched == m_contentsList->viewport() ? m_contentsList : m_indexList;
        const auto* help = static_cast<QHelpEvent*>(event);
        const QListWidgetItem* item = list->itemAt(help->pos());
        if (item && !list->wordWrap())
            QToolTip::showText(help->globalPos(),
                               item->toolTip().isEmpty() ? item->text() : item->toolTip(),
                               list->viewport(), list->visualItemRect(item));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace Help
