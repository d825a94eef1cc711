#include "predictions/windows/chance_column.h"

#include <QScreen>
#include <QScrollBar>
#include <algorithm>

#include "platform/list_text.h"

namespace tavix {

QListWidget* MakeChanceColumn(QWidget* parent, QListWidget* lines) {
    auto* column = new QListWidget(parent);
    column->setObjectName("ChanceList");
    column->setAccessibleName("Favourite's chance of winning");
    column->setToolTip("The favourite's chance of winning");
    column->setFont(lines->font());
    column->setFocusPolicy(Qt::NoFocus);
    column->setSelectionMode(QAbstractItemView::NoSelection);
    column->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    column->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // While the lines scroll sideways their bar takes a row's height at the bottom; the column keeps
    // an empty bar of its own so its rows stay beside theirs.
    QObject::connect(
        lines->horizontalScrollBar(), &QScrollBar::rangeChanged, column, [column](int, int most) {
            column->setHorizontalScrollBarPolicy(most > 0 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        });
    // Wide enough for "100.0%" in the lines' own font, whatever the desktop's size.
    const QFontMetrics metrics = lines->fontMetrics();
    column->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("000.0%")) +
                          4 * metrics.averageCharWidth() + 2 * column->frameWidth());
    QObject::connect(lines->verticalScrollBar(), &QScrollBar::valueChanged, column->verticalScrollBar(),
                     &QScrollBar::setValue);
    // Either list may lay out its new rows later than the other: whichever range changes last, the
    // column comes back beside the lines.
    const auto follow = [lines, column] {
        column->verticalScrollBar()->setValue(lines->verticalScrollBar()->value());
    };
    QObject::connect(lines->verticalScrollBar(), &QScrollBar::rangeChanged, column, follow);
    QObject::connect(column->verticalScrollBar(), &QScrollBar::rangeChanged, column, follow);
    return column;
}

int WidthForLines(const QListWidget* lines, int characters) {
    const QFontMetrics metrics = lines->fontMetrics();
    // Four characters more than the text leave room for the item's padding in any style.
    return metrics.horizontalAdvance(QString(characters + 4, QLatin1Char('0'))) + 2 * lines->frameWidth() +
           lines->verticalScrollBar()->sizeHint().width();
}

void SizeForLines(QWidget* window, QListWidget* lines, int fewest, int widest) {
    lines->setMinimumWidth(WidthForLines(lines, fewest));
    // No wider than the longest line, so in a maximised window the chances stay beside their lines.
    lines->setMaximumWidth(WidthForLines(lines, widest));
    QSize wanted = window->sizeHint();
    wanted.rwidth() += std::max(0, WidthForLines(lines, widest) - lines->minimumWidth());
    wanted = wanted.expandedTo(window->size());  // never narrower than the user made it
    if (const QScreen* screen = window->screen())
        wanted = wanted.boundedTo(screen->availableGeometry().size());
    window->resize(wanted);
}

void ShowChanceColumn(QListWidget* column, const std::vector<std::string>& figures) {
    column->clear();
    AddLines(column, figures);
    for (int i = 0; i < column->count(); ++i) column->item(i)->setTextAlignment(Qt::AlignRight);
}

}  // namespace tavix
