// SPDX-License-Identifier: MIT
#pragma once

// What a user sees of a window whatever its language or scale: captions that
// fit their controls, access keys that lead to one place, text boxes with all
// four borders.
#include <forms/Contrast.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>

#include <cmath>

namespace WindowChecks {

inline QString plain(QString caption)
{
    return caption.replace(QStringLiteral("&&"), QStringLiteral("\x1f")).remove(QLatin1Char('&'));
}

// The width the caption's glyphs cover, without its access key's marker; the
// last column of smoothing may touch the edge.
inline int ink(const QFontMetrics& metrics, const QString& caption)
{
    return metrics.tightBoundingRect(plain(caption)).width() - 1;
}

// The controls whose caption is cut off at the control's fixed size.
inline QStringList clippedCaptions(QWidget* window)
{
    QStringList clipped;
    const auto controls = window->findChildren<QWidget*>();
    for (QWidget* control : controls) {
        const QFontMetrics metrics = control->fontMetrics();
        bool fits = true;
        if (auto* option = qobject_cast<QRadioButton*>(control)) {
            const QStyle* style = option->style();
            const int textLeft =
                style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option) +
                style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option);
            fits = textLeft + ink(metrics, option->text()) <= option->width();
        } else if (auto* button = qobject_cast<QPushButton*>(control)) {
            const int margin =
                button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
            fits = ink(metrics, button->text()) + 2 * margin <= button->width();
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            if (label->text().isEmpty())
                continue;
            const QRect inside = label->contentsRect();
            if (label->wordWrap()) {
                fits = label->heightForWidth(label->width()) <= label->height();
            } else {
                // One line, as high as the design made it: its width tells.
                fits = ink(metrics, label->text()) <= inside.width();
            }
        } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
            // The title stands a little in from the frame's edge.
            fits = ink(metrics, frame->title()) + 8 <= frame->width();
        }
        if (!fits)
            clipped.append(control->objectName());
    }
    return clipped;
}

inline QChar accessKey(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1].toLower();
        ++i;
    }
    return {};
}

// Each access key of the window's controls and menu bar, and of each menu,
// with what it leads to: "a: cmdAbout mnuAction".
inline QStringList sharedAccessKeys(QWidget* window)
{
    QList<QMap<QChar, QStringList>> scopes(1);
    const auto add = [](QMap<QChar, QStringList>& scope, const QString& caption,
                        const QString& name) {
        const QChar key = accessKey(caption);
        if (!key.isNull())
            scope[key].append(name);
    };
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            add(scopes[0], button->text(), button->objectName());
        else if (auto* label = qobject_cast<QLabel*>(control))
            add(scopes[0], label->text(), label->objectName());
        else if (auto* frame = qobject_cast<QGroupBox*>(control))
            add(scopes[0], frame->title(), frame->objectName());
        else if (auto* tabs = qobject_cast<QTabWidget*>(control)) {
            for (int tab = 0; tab < tabs->count(); ++tab)
                add(scopes[0], tabs->tabText(tab), tabs->objectName() + QString::number(tab));
        }
    }
    if (auto* bar = window->findChild<QMenuBar*>()) {
        for (QAction* entry : bar->actions()) {
            add(scopes[0], entry->text(), entry->menu() ? entry->menu()->objectName() : QString());
            if (!entry->menu())
                continue;
            QMap<QChar, QStringList>& items = scopes.emplace_back();
            for (QAction* item : entry->menu()->actions())
                add(items, item->text(), item->objectName());
        }
    }
    QStringList shared;
    for (const auto& scope : scopes) {
        for (auto key = scope.begin(); key != scope.end(); ++key) {
            if (key.value().size() > 1)
                shared.append(QString(key.key()) + QStringLiteral(": ") +
                              key.value().join(QLatin1Char(' ')));
        }
    }
    return shared;
}

// The visible text boxes of the window that miss a border: an edge whose
// device pixels near it all look like the box's inside.
inline QStringList missingBorders(QWidget* window)
{
    const QImage shot = window->grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    const int reach = int(std::ceil(ratio)) + 1;
    QStringList missing;
    QList<QWidget*> boxes;
    for (auto* box : window->findChildren<QPlainTextEdit*>())
        boxes.append(box);
    for (auto* box : window->findChildren<QLineEdit*>()) {
        if (!qobject_cast<QComboBox*>(box->parentWidget()))
            boxes.append(box);
    }
    for (QWidget* box : boxes) {
        if (!box->isVisibleTo(window))
            continue;
        const QColor inside = box->palette().color(QPalette::Base);
        const QRectF area(QPointF(box->mapTo(window, QPoint(0, 0))) * ratio,
                          QSizeF(box->size()) * ratio);
        const int top = int(std::floor(area.top()));
        const int bottom = int(std::ceil(area.bottom())) - 1;
        const int left = int(std::floor(area.left()));
        const int right = int(std::ceil(area.right())) - 1;
        const int middleX = int(area.center().x());
        const int middleY = int(area.center().y());
        const auto seen = [&](int x0, int y0, int dx, int dy) {
            for (int step = 0; step < reach; ++step) {
                const QColor pixel = shot.pixelColor(x0 + dx * step, y0 + dy * step);
                if (Contrast::ratio(pixel, inside) >= 1.3)
                    return true;
            }
            return false;
        };
        const QStringList edges = {
            seen(middleX, top, 0, 1) ? QString() : QStringLiteral("top"),
            seen(middleX, bottom, 0, -1) ? QString() : QStringLiteral("bottom"),
            seen(left, middleY, 1, 0) ? QString() : QStringLiteral("left"),
            seen(right, middleY, -1, 0) ? QString() : QStringLiteral("right"),
        };
        for (const QString& edge : edges) {
            if (!edge.isEmpty())
                missing.append(box->objectName() + QLatin1Char(' ') + edge);
        }
    }
    return missing;
}

// Each visible option button of the window with its circle's place on
// `shot`, the window as rendered, in device pixels: the circle's columns and
// the button's rows.
inline QList<std::pair<QRadioButton*, QRect>> indicators(QWidget* window, const QImage& shot)
{
    const qreal ratio = shot.devicePixelRatio();
    QList<std::pair<QRadioButton*, QRect>> found;
    for (QRadioButton* option : window->findChildren<QRadioButton*>()) {
        if (!option->isVisibleTo(window))
            continue;
        QStyleOptionButton styleOption;
        styleOption.initFrom(option);
        const QRect indicator =
            option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &styleOption, option);
        const QPoint origin = option->mapTo(window, QPoint(0, 0));
        found.append(
            {option, QRect(QPoint(int(std::floor((origin.x() + indicator.left()) * ratio)),
                                  int(std::floor(origin.y() * ratio))),
                           QPoint(int(std::ceil((origin.x() + indicator.right() + 1) * ratio)) - 1,
                                  int(std::ceil((origin.y() + option->height()) * ratio)) - 1))});
    }
    return found;
}

// The option buttons whose circle is cut: on the window as rendered, its
// painted rows span less than its painted columns.
inline QStringList cutIndicators(QWidget* window)
{
    const QImage shot = window->grab().toImage();
    QStringList cut;
    for (const auto& [option, area] : indicators(window, shot)) {
        // Rows a little beyond the button; the group's own colour above it.
        const QRect around = area.adjusted(0, -2, 0, 2);
        const QColor background = shot.pixelColor(around.topLeft());
        QRect ink;
        for (int y = around.top(); y <= around.bottom(); ++y) {
            for (int x = around.left(); x <= around.right(); ++x) {
                if (shot.pixelColor(x, y) != background)
                    ink |= QRect(x, y, 1, 1);
            }
        }
        if (ink.height() < ink.width())
            cut.append(QStringLiteral("%1 (%2 of %3 rows)")
                           .arg(option->objectName())
                           .arg(ink.height())
                           .arg(ink.width()));
    }
    return cut;
}

} // namespace WindowChecks
