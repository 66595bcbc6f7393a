// SPDX-License-Identifier: MIT
// The help viewer with the largest and hardest files it takes: checking them,
// opening them in a window (offscreen) at their first topic, the Index and
// topics of the costliest Markdown, lists of the longest titles.
#include <help/HelpFileLoader.h>
#include <help/HelpIndex.h>
#include <help/HelpWindow.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <benchmark/benchmark.h>

namespace {

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

QByteArray written(const QString& name, const QByteArray& content)
{
    const QString path = folder().filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        std::abort();
    return QFile::encodeName(path);
}

// count topics, each linking to the next, with a keyword of its own; every
// thousandth also lists "Dice", so that keyword has count / 1000 topics.
QByteArray linkedTopics(int count, const QByteArray& body = {})
{
    QByteArray text;
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i);
        text += "@topic t" + n + "\n@title Topic " + n + "\n@keywords k" + n +
                (i % 1000 == 0 ? "; Dice" : "") + "\n\nSee [the next one](topic:t" +
                QByteArray::number((i + 1) % count) + ").\n" + body + "\n";
    }
    return text;
}

// Nearly 16 MiB of plain topics: the largest file the viewer takes.
QByteArray largestFile()
{
    const QByteArray body = QByteArray("Roll the dice and read the results. ").repeated(4) + '\n';
    QByteArray text = linkedTopics(95'000, body);
    text.truncate(text.lastIndexOf("@topic", 16 * 1024 * 1024 - 1));
    return text;
}

void openAtFirstTopic(benchmark::State& state, const QByteArray& path)
{
    for (auto _ : state) {
        Help::HelpWindow window;
        window.show();
        window.performRequest({Help::HelpRequest::Mode::Contents, {}, path});
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.currentTopicId());
    }
}

void BM_CheckLinkedTopics(benchmark::State& state)
{
    const QByteArray path =
        written(QStringLiteral("linked.hlp"), linkedTopics(static_cast<int>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(Help::loadHelpFile(path).topics.size());
}

void BM_OpenLinkedTopics(benchmark::State& state)
{
    openAtFirstTopic(state, written(QStringLiteral("linked.hlp"),
                                    linkedTopics(static_cast<int>(state.range(0)))));
}

void BM_CheckLargestFile(benchmark::State& state)
{
    const QByteArray path = written(QStringLiteral("largest.hlp"), largestFile());
    for (auto _ : state)
        benchmark::DoNotOptimize(Help::loadHelpFile(path).topics.size());
}

void BM_OpenLargestFile(benchmark::State& state)
{
    openAtFirstTopic(state, written(QStringLiteral("largest.hlp"), largestFile()));
}

// 16 MiB of nothing but problems: eight million lines of a bare "@".
void BM_OpenFileOfProblems(benchmark::State& state)
{
    QByteArray text = QByteArray("@\n").repeated(8 * 1024 * 1024);
    openAtFirstTopic(state, written(QStringLiteral("problems.hlp"), text));
}

// A topic at the size limit of Markdown whose formatting Qt finds hardest.
void BM_ShowHardTopic(benchmark::State& state)
{
    const QByteArray line = QByteArray("*a").repeated(2000) + '\n';
    const QByteArray body = line + line + QByteArray("*a").repeated(995);
    const QByteArray path =
        written(QStringLiteral("hard.hlp"),
                "@topic a\n@title A\n\n" + body + "\n@topic b\n@title B\n\n" + body);
    Help::HelpWindow window;
    window.show();
    window.performRequest({Help::HelpRequest::Mode::Contents, {}, path});
    bool second = false;
    for (auto _ : state) {
        window.showTopic(second ? QStringLiteral("b") : QStringLiteral("a"));
        second = !second;
        QApplication::processEvents();
    }
}

// count topics whose titles fill their lines: a number and `character`,
// `length` characters in all; a short keyword each.
QByteArray longTitles(int count, const QString& character, int length)
{
    QByteArray text;
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i);
        const QByteArray words = (n + ' ' + character.repeated(length - n.size() - 1)).toUtf8();
        text += "@topic t" + n + "\n@title " + words + "\n@keywords k" + n + "\n\nText.\n\n";
    }
    return text;
}

void BM_OpenLongWideTitles(benchmark::State& state)
{
    openAtFirstTopic(
        state, written(QStringLiteral("wide.hlp"), longTitles(1300, QStringLiteral(u"漢"), 3980)));
}

void BM_OpenLongLatinTitles(benchmark::State& state)
{
    openAtFirstTopic(
        state, written(QStringLiteral("latin.hlp"), longTitles(2000, QStringLiteral("a"), 3955)));
}

// The longest list that still wraps: 2,000 titles of 50 wide characters.
void BM_OpenWrappedAtTheLimit(benchmark::State& state)
{
    openAtFirstTopic(
        state, written(QStringLiteral("wrapped.hlp"), longTitles(2000, QStringLiteral(u"漢"), 50)));
}

// The Index of the wide titles, a wide keyword typed.
void BM_IndexLongWideTitles(benchmark::State& state)
{
    const QByteArray path =
        written(QStringLiteral("wide.hlp"), longTitles(1300, QStringLiteral(u"漢"), 3980));
    for (auto _ : state) {
        Help::HelpWindow window;
        window.show();
        window.performRequest({Help::HelpRequest::Mode::Index, QStringLiteral(u"漢"), path});
        QApplication::processEvents();
    }
}

// Each change of the window's width, with the wide titles open.
void BM_ResizeLongWideTitles(benchmark::State& state)
{
    const QByteArray path =
        written(QStringLiteral("wide.hlp"), longTitles(1300, QStringLiteral(u"漢"), 3980));
    Help::HelpWindow window;
    window.show();
    window.performRequest({Help::HelpRequest::Mode::Contents, {}, path});
    QApplication::processEvents();
    bool wide = false;
    for (auto _ : state) {
        window.resize(wide ? 1000 : 880, 620);
        wide = !wide;
        QApplication::processEvents();
    }
}

// Index > "Dice" > Display, the keyword listed by the most topics allowed.
void BM_DisplayKeyword(benchmark::State& state)
{
    const QByteArray path = written(QStringLiteral("linked.hlp"), linkedTopics(100'000));
    Help::HelpWindow window;
    window.show();
    window.performRequest({Help::HelpRequest::Mode::Index, QStringLiteral("dice"), path});
    auto* edit = window.findChild<QLineEdit*>(QStringLiteral("keywordEdit"));
    for (auto _ : state) {
        window.showTopic(QStringLiteral("t1"));
        emit edit->returnPressed();
        QApplication::processEvents();
    }
}

void BM_TypeKeywordPrefix(benchmark::State& state)
{
    const Help::HelpIndex index(
        Help::loadHelpFile(written(QStringLiteral("linked.hlp"), linkedTopics(100'000))));
    for (auto _ : state)
        benchmark::DoNotOptimize(index.firstMatch(u"k9999"));
}

} // namespace

BENCHMARK(BM_CheckLinkedTopics)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenLinkedTopics)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckLargestFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenLargestFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenFileOfProblems)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowHardTopic)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DisplayKeyword)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenLongWideTitles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenLongLatinTitles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenWrappedAtTheLimit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndexLongWideTitles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResizeLongWideTitles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypeKeywordPrefix)->Unit(benchmark::kMicrosecond);
