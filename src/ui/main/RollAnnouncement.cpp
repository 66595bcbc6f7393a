// SPDX-License-Identifier: MIT
#include <dice/RollEngine.h>
#include <ui/main/RollAnnouncement.h>

#include <QCoreApplication>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace {

// The values a list box shows in full, or the first of them and a count.
QString listSentence(const std::vector<std::int16_t>& values, bool isLong, const QString& one,
                     const QString& many, const QString& counted)
{
    const auto count = static_cast<qsizetype>(values.size());
    if (!isLong) {
        QStringList shown;
        for (std::int16_t value : values)
            shown.append(QString::number(value));
        return QCoreApplication::translate("RollAnnouncement", "%1: %2.")
            .arg(count == 1 ? one : many, shown.join(QStringLiteral(", ")));
    }
    // As many values as the box without a scroll bar holds.
    QString first;
    qsizetype taken = 0;
    for (std::int16_t value : values) {
        const QString next = taken == 0 ? QString::number(value)
                                        : first + QStringLiteral(", ") + QString::number(value);
        if (taken > 0 && static_cast<std::size_t>(next.size()) > Dice::LongTextLength)
            break;
        first = next;
        ++taken;
    }
    const QString head =
        QCoreApplication::translate("RollAnnouncement", "%1 %2: %3").arg(count).arg(counted, first);
    if (taken == count)
        return head + QLatin1Char('.');
    return head +
           QCoreApplication::translate("RollAnnouncement", ", and %1 more.").arg(count - taken);
}

} // namespace

QString rollAnnouncement(const Dice::RollResult& result, bool modifiedShown)
{
    QStringList sentences;
    // Only percentile rolls leave the total box empty.
    if (result.TotalResultText.empty())
        sentences.append(
            QCoreApplication::translate("RollAnnouncement", "Percentile dice have no total."));
    else
        sentences.append(QCoreApplication::translate("RollAnnouncement", "Total %1.")
                             .arg(QString::fromStdString(result.TotalResultText)));

    if (result.IndivRolls.empty()) {
        sentences.append(QCoreApplication::translate("RollAnnouncement", "No dice were rolled."));
        return sentences.join(QLatin1Char(' '));
    }
    sentences.append(listSentence(result.IndivRolls, result.IndivRollsLong,
                                  QCoreApplication::translate("RollAnnouncement", "Die"),
                                  QCoreApplication::translate("RollAnnouncement", "Dice"),
                                  QCoreApplication::translate("RollAnnouncement", "dice")));
    if (modifiedShown)
        sentences.append(
            listSentence(result.ModRolls, result.ModRollsLong,
                         QCoreApplication::translate("RollAnnouncement", "Modified die"),
                         QCoreApplication::translate("RollAnnouncement", "Modified dice"),
                         QCoreApplication::translate("RollAnnouncement", "modified dice")));
    return sentences.join(QLatin1Char(' '));
}
