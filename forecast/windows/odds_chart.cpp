#include "forecast/windows/odds_chart.h"

#include <QPainter>
#include <QPainterPath>

#include "core/calendar.h"
#include "core/number_format.h"
#include "platform/accessible.h"

namespace tavix {
namespace {

QString PercentText(double chance) {
    return QString::fromStdString(FormatPicture(chance * 100, "##0.0")).trimmed() + "%";
}
QString ShortDate(const Date& d) {
    return QString::fromLatin1(MonthName(d.month)).left(3) + " " + QString::number(d.day);
}

}  // namespace

OddsChart::OddsChart(QWidget* parent) : QWidget(parent) {
    setObjectName("OddsChart");
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    SetAccessible(this, QAccessible::Chart, "Chances through the season");
}

QSize OddsChart::sizeHint() const {
    return {fontMetrics().averageCharWidth() * 80, fontMetrics().height() * 11};
}
QSize OddsChart::minimumSizeHint() const {
    return {fontMetrics().averageCharWidth() * 40, fontMetrics().height() * 6};
}

void OddsChart::SetSeason(std::vector<Date> days, std::vector<SeasonOdds> odds) {
    days_ = std::move(days);
    odds_ = std::move(odds);
    if (!odds_.empty()) note_.clear();
    Describe();
    update();
}

void OddsChart::SetTeam(int team, const QString& name) {
    team_ = team;
    name_ = name;
    Describe();
    update();
}

void OddsChart::SetNote(const QString& note) {
    note_ = note;
    Describe();
    update();
}

// The figures behind the lines, for a screen reader: the first and the last morning and every
// morning between them.
void OddsChart::Describe() {
    if (odds_.empty()) {
        setAccessibleDescription(note_);
        return;
    }
    QString text = name_ + ", play-off and title chance on the morning of each game day: ";
    for (size_t i = 0; i < odds_.size() && i < days_.size(); ++i)
        text += (i ? "; " : "") + ShortDate(days_[i]) + " " + PercentText(odds_[i].Playoffs(team_)) +
                " and " + PercentText(odds_[i].Title(team_));
    setAccessibleDescription(text + ".");
}

void OddsChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    const QFontMetrics fm(font());
    const int line = fm.height();
    const QColor text = pal.color(QPalette::Text);
    const QColor playoffColour = pal.color(QPalette::Highlight);

    p.setPen(text);
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.drawText(QRect(8, 4, width() - 16, line), Qt::AlignLeft, name_ + ": chances through the season");
    p.setFont(font());
    if (odds_.empty() || days_.empty()) {
        p.drawText(rect(), Qt::AlignCenter, note_);
        return;
    }

    const int left = fm.horizontalAdvance("100%") + 12;
    const int top = 2 * line + 12;
    const int bottom = height() - line - 8;
    const int right = width() - 12;
    auto yOf = [&](double chance) { return bottom - chance * (bottom - top); };
    auto xOf = [&](size_t day) {
        return days_.size() < 2 ? left
                                : left + static_cast<double>(day) * (right - left) / (days_.size() - 1);
    };

    // The scale: faint rules in the text colour, so they follow a dark theme too.
    QColor rule = text;
    rule.setAlpha(60);
    // Quarters where there is room for their figures, halves on a low chart.
    const int step = (bottom - top) / 4 >= line ? 25 : 50;
    for (int pct = 0; pct <= 100; pct += step) {
        const double y = yOf(pct / 100.0);
        p.setPen(rule);
        p.drawLine(QPointF(left, y), QPointF(right, y));
        p.setPen(text);
        p.drawText(QRect(0, static_cast<int>(y) - line / 2, left - 6, line),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(pct) + "%");
    }
    p.drawLine(left, bottom, right, bottom);
    p.drawText(QRect(left - 40, bottom + 4, 80, line), Qt::AlignHCenter, ShortDate(days_.front()));
    p.drawText(QRect(right - 80, bottom + 4, 80, line), Qt::AlignRight, ShortDate(days_.back()));

    const bool marks = (right - left) / static_cast<double>(days_.size()) >= 5;
    auto series = [&](auto chanceOf, const QPen& pen, bool square) {
        QPainterPath path;
        for (size_t i = 0; i < odds_.size(); ++i) {
            const QPointF at(xOf(i), yOf(chanceOf(odds_[i])));
            i ? path.lineTo(at) : path.moveTo(at);
        }
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.setBrush(pen.color());
        p.setPen(Qt::NoPen);
        for (size_t i = 0; marks && i < odds_.size(); ++i) {
            const QRectF dot(xOf(i) - 2.5, yOf(chanceOf(odds_[i])) - 2.5, 5, 5);
            square ? p.drawRect(dot) : p.drawEllipse(dot);
        }
    };
    series([&](const SeasonOdds& o) { return o.Playoffs(team_); }, QPen(playoffColour, 2), false);
    series([&](const SeasonOdds& o) { return o.Title(team_); }, QPen(text, 2, Qt::DashLine), true);

    // The key, under the title: each line as it is drawn, with its latest figure.
    const SeasonOdds& last = odds_.back();
    const QString keys[2] = {"Play-offs " + PercentText(last.Playoffs(team_)),
                             "Title " + PercentText(last.Title(team_))};
    int x = left;
    const int keyY = line + 8 + line / 2;
    for (int k = 0; k < 2; ++k) {
        p.setPen(k == 0 ? QPen(playoffColour, 2) : QPen(text, 2, Qt::DashLine));
        p.drawLine(x, keyY, x + 26, keyY);
        p.setPen(text);
        const int w = fm.horizontalAdvance(keys[k]);
        p.drawText(QRect(x + 32, keyY - line / 2, w + 4, line), Qt::AlignLeft | Qt::AlignVCenter, keys[k]);
        x += 32 + w + 24;
    }
}

}  // namespace tavix
