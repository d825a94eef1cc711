#include "predictions/windows/margin_chart.h"

#include <QPainter>
#include <vector>

#include "core/number_format.h"
#include "platform/accessible.h"
#include "platform/list_text.h"

namespace tavix {

MarginChart::Colours MarginChart::ColoursOn(const QColor& background) {
    // Bars and the home line stand out 3:1 and more from a light or a dark ground, the figures in a
    // bar 4.5:1 from the bar.
    if (background.lightness() < 128) return {QColor(120, 170, 240), QColor(255, 130, 130), Qt::black};
    return {QColor(40, 90, 160), QColor(190, 30, 30), Qt::white};
}

MarginChart::MarginChart(QWidget* parent) : QWidget(parent) {
    // The theme's own box colours, so the chart is as light or dark as the lists around it.
    setBackgroundRole(QPalette::Base);
    setForegroundRole(QPalette::Text);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::TabFocus);  // a screen reader's user can land on it and hear its figures
    SetAccessible(this, QAccessible::Chart, "How often the favourite won, by predicted margin");
}

void MarginChart::SetData(const std::array<MarginBucket, kMarginBuckets>& buckets,
                          std::optional<double> homeRate) {
    buckets_ = buckets;
    homeRate_ = homeRate;
    update();
}

void MarginChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm = fontMetrics();
    const int line = fm.height();
    const QColor ground = palette().color(QPalette::Base), ink = palette().color(QPalette::Text);
    const Colours colours = ColoursOn(ground);
    // The home line's key goes beside the title where there is room, else under it.
    const QString title = "How often the favourite won, by predicted margin";
    const QString caption =
        homeRate_ ? "Home team always wins " + Latin1(FormatPicture(*homeRate_, "##0.0") + "%") : QString();
    QFont bold = font();
    bold.setBold(true);
    const bool keyUnder =
        QFontMetrics(bold, this).horizontalAdvance(title) + fm.horizontalAdvance(caption) + 60 > width();
    const int titleLines = keyUnder && homeRate_ ? 2 : 1;
    if (hasFocus()) {
        p.setPen(QPen(ink, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }

    p.setPen(ink);
    p.setFont(bold);
    p.drawText(QRect(8, 4, width(), line), Qt::AlignLeft, title);
    p.setFont(font());

    // Plot area: room for the percent scale on the left, two caption lines under the bars.
    const int left = fm.horizontalAdvance("100%") + 12;
    const int top = titleLines * line + 14;
    const int bottom = height() - 2 * line - 10;
    const int right = width() - 16;
    const int plotHeight = bottom - top;
    auto yOf = [&](double percent) { return bottom - static_cast<int>(percent * plotHeight / 100.0 + 0.5); };

    for (int pct = 0; pct <= 100; pct += 25) {
        const int y = yOf(pct);
        p.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DotLine));
        p.drawLine(left, y, right, y);
        p.setPen(ink);
        p.drawText(QRect(0, y - line / 2, left - 6, line), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(pct) + "%");
    }

    const int slot = (right - left) / static_cast<int>(kMarginBuckets);
    const int barWidth = slot * 3 / 5;
    struct Label {
        QRect where;
        QString text;
        bool inside;
    };
    std::vector<Label> labels;
    for (size_t i = 0; i < kMarginBuckets; ++i) {
        const MarginBucket& b = buckets_[i];
        const double rate = Percent(b.favouriteWins, b.games);
        const int x = left + static_cast<int>(i) * slot + (slot - barWidth) / 2;
        const int y = yOf(rate);
        if (b.games > 0) {
            p.fillRect(QRect(x, y, barWidth, bottom - y), colours.bar);
            // The figure inside the bar's top; above a bar too short for it.
            const bool inside = bottom - y > line + 6;
            const QString text = Latin1(FormatPicture(rate, "##0.0") + "%");
            const int w = fm.horizontalAdvance(text) + 6;
            const int labelX = x + (barWidth - w) / 2;
            labels.push_back({inside ? QRect(labelX, y + 3, w, line) : QRect(labelX, y - line - 2, w, line),
                              text, inside});
        }
        p.setPen(ink);
        const QRect under(left + static_cast<int>(i) * slot, bottom + 4, slot, line);
        p.drawText(under, Qt::AlignHCenter, QString::fromLatin1(b.label) + " points");
        p.drawText(under.translated(0, line), Qt::AlignHCenter,
                   QString::number(b.games) + (b.games == 1 ? " game" : " games"));
    }
    p.setPen(ink);
    p.drawLine(left, bottom, right, bottom);

    // The home team always wins: the yardstick the favourite has to beat.
    const int homeY = yOf(homeRate_.value_or(0));
    p.setPen(QPen(colours.home, 2, Qt::DashLine));
    if (homeRate_) p.drawLine(left, homeY, right, homeY);
    // The figures go over the line, each on a patch of its own ground so the line cannot cross it.
    for (const Label& l : labels) {
        p.fillRect(l.where, l.inside ? colours.bar : ground);
        p.setPen(l.inside ? colours.onBar : ink);
        p.drawText(l.where, Qt::AlignCenter, l.text);
    }
    if (!homeRate_) return;
    p.setPen(QPen(colours.home, 2, Qt::DashLine));
    // Its key beside the title, where no bar can reach, or under it in a narrow chart.
    const int captionWidth = fm.horizontalAdvance(caption);
    const int keyTop = keyUnder ? 4 + line : 4;
    const int keyLeft = keyUnder ? 8 + 34 : right - captionWidth - 4;
    const int keyY = keyTop + line / 2;
    p.drawLine(keyLeft - 30, keyY, keyLeft - 4, keyY);
    p.setPen(colours.home);
    p.drawText(QRect(keyLeft, keyTop, captionWidth + 4, line), Qt::AlignLeft, caption);
}

}  // namespace tavix
