#include "predictions/windows/margin_chart.h"

#include <QPainter>
#include <vector>

#include "core/number_format.h"
#include "platform/list_text.h"

namespace tavix {
namespace {
const QColor kBarColour(40, 90, 160);
}  // namespace

MarginChart::MarginChart(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
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
    const QFontMetrics fm(font());
    const int line = fm.height();

    p.setPen(Qt::black);
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.drawText(QRect(8, 4, width(), line), Qt::AlignLeft, "How often the favourite won, by predicted margin");
    p.setFont(font());

    // Plot area: room for the percent scale on the left, two caption lines under the bars.
    const int left = fm.horizontalAdvance("100%") + 12;
    const int top = line + 14;
    const int bottom = height() - 2 * line - 10;
    const int right = width() - 16;
    const int plotHeight = bottom - top;
    auto yOf = [&](double percent) { return bottom - static_cast<int>(percent * plotHeight / 100.0 + 0.5); };

    for (int pct = 0; pct <= 100; pct += 25) {
        const int y = yOf(pct);
        p.setPen(QColor(225, 225, 225));
        p.drawLine(left, y, right, y);
        p.setPen(Qt::darkGray);
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
            p.fillRect(QRect(x, y, barWidth, bottom - y), kBarColour);
            // The figure inside the bar's top; above a bar too short for it.
            const bool inside = bottom - y > line + 6;
            const QString text = Latin1(FormatPicture(rate, "##0.0") + "%");
            const int w = fm.horizontalAdvance(text) + 6;
            const int labelX = x + (barWidth - w) / 2;
            labels.push_back({inside ? QRect(labelX, y + 3, w, line) : QRect(labelX, y - line - 2, w, line),
                              text, inside});
        }
        p.setPen(Qt::black);
        const QRect under(left + static_cast<int>(i) * slot, bottom + 4, slot, line);
        p.drawText(under, Qt::AlignHCenter, QString::fromLatin1(b.label) + " points");
        p.drawText(under.translated(0, line), Qt::AlignHCenter,
                   QString::number(b.games) + (b.games == 1 ? " game" : " games"));
    }
    p.setPen(Qt::black);
    p.drawLine(left, bottom, right, bottom);

    // The home team always wins: the yardstick the favourite has to beat.
    const int homeY = yOf(homeRate_.value_or(0));
    p.setPen(QPen(QColor(200, 30, 30), 2, Qt::DashLine));
    if (homeRate_) p.drawLine(left, homeY, right, homeY);
    // The figures go over the line, each on a patch of its own ground so the line cannot cross it.
    for (const Label& l : labels) {
        p.fillRect(l.where, l.inside ? kBarColour : QColor(Qt::white));
        p.setPen(l.inside ? Qt::white : Qt::black);
        p.drawText(l.where, Qt::AlignCenter, l.text);
    }
    if (!homeRate_) return;
    p.setPen(QPen(QColor(200, 30, 30), 2, Qt::DashLine));
    // Its key beside the title, where no bar can reach.
    const QString caption = "Home team always wins " + Latin1(FormatPicture(*homeRate_, "##0.0") + "%");
    const int captionWidth = fm.horizontalAdvance(caption);
    const int keyY = 4 + line / 2;
    p.drawLine(right - captionWidth - 34, keyY, right - captionWidth - 8, keyY);
    p.setPen(QColor(200, 30, 30));
    p.drawText(QRect(right - captionWidth - 4, 4, captionWidth + 4, line), Qt::AlignRight, caption);
}

}  // namespace tavix
