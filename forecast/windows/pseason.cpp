#include "forecast/windows/pseason.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

#include "platform/accessible.h"
#include "platform/picture_buttons.h"
#include "platform/twips.h"

namespace tavix {
namespace {

constexpr double kClientWidth = 8415, kClientHeight = 4050;
constexpr double kBoxWidth = 1605, kBoxHeight = 615;
constexpr double kFrameMargin = 15;  // each frame is 1635 by 645 around its 1605 by 615 box

// Box 1..7: left and top in twips.
constexpr double kBoxPlace[kForecastBoxes + 1][2] = {
    {0, 0}, {510, 330}, {510, 1140}, {510, 2250}, {510, 3060}, {3270, 750}, {3270, 2670}, {6120, 1680},
};
// The box each frame of Shape1 surrounds, by frame index.
constexpr int kFramedBox[7] = {2, 1, 3, 4, 5, 6, 7};

struct Caption {
    double left, top, width, height;
    const char* text;
    QColor colour;
    bool centred;
};

// A horizontal connector: from x1 to x2 at height y. A vertical one: at x from y1 to y2.
struct HLine {
    double x1, x2, y;
};
struct VLine {
    double x, y1, y2;
};
constexpr double kBoxRight = 510 + kBoxWidth;     // right edge of boxes 1 to 4
constexpr double kChampRight = 3270 + kBoxWidth;  // right edge of boxes 5 and 6
constexpr HLine kLine1[9] = {
    {kBoxRight, 2730, 660},    {kBoxRight, 2730, 1440},   {2730, 3270, 1050},  // boxes 1, 2 to box 5
    {kBoxRight, 2760, 2580},   {kBoxRight, 2760, 3390},   {2760, 3270, 3000},  // boxes 3, 4 to box 6
    {kChampRight, 5490, 1050}, {kChampRight, 5490, 2970}, {5490, 6120, 2010},  // boxes 5, 6 to box 7
};
constexpr VLine kLine2[3] = {{2730, 660, 1440}, {2760, 2580, 3390}, {5490, 1050, 2970}};

QWidget* MakeLine(QWidget* parent, const QString& name, QRect geometry) {
    auto* line = new QWidget(parent);
    line->setObjectName(name);
    SetAccessible(line, QAccessible::Separator, "Line");
    line->setAutoFillBackground(true);
    QPalette pal = line->palette();
    pal.setColor(QPalette::Window, Qt::black);
    line->setPalette(pal);
    line->setGeometry(geometry);
    return line;
}

// The captions were laid out for a narrower system font than most of today's: a caption that
// would be cut off is set in the regular weight, then smaller, until it fits its place.
void FitToWidth(QLabel* label) {
    QFont font = label->font();
    const int room = label->contentsRect().width();
    auto fits = [&] {
        const QFontMetrics metrics(font);
        for (const QString& line : label->text().split('\n'))
            if (metrics.horizontalAdvance(line) > room) return false;
        return true;
    };
    if (!fits()) font.setBold(false);
    while (!fits() && font.pointSizeF() > 6) font.setPointSizeF(font.pointSizeF() - 0.25);
    label->setFont(font);
}

}  // namespace

Pseason::Pseason(AppContext& ctx) : ctx_(ctx) {
    setObjectName("Pseason");
    setWindowTitle("Tavix Playoff Forecast");
    SetClientSizeTwips(this, kClientWidth, kClientHeight);
    setFixedSize(size());

    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(128, 128, 128));
    setPalette(pal);
    setAutoFillBackground(true);

    QFont font = this->font();
    font.setPointSizeF(8);
    font.setBold(true);
    setFont(font);

    // Lines two pixels wide at the usual 96 dots per inch, wider on denser screens.
    const int thickness = std::max(2, Twips(30));
    for (int i = 0; i < 9; ++i) {
        const HLine& l = kLine1[i];
        Line1[i] =
            MakeLine(this, QString("Line1(%1)").arg(i),
                     QRect(Twips(l.x1), Twips(l.y) - thickness / 2, Twips(l.x2) - Twips(l.x1), thickness));
    }
    for (int i = 0; i < 3; ++i) {
        const VLine& l = kLine2[i];
        Line2[i] = MakeLine(this, QString("Line2(%1)").arg(i),
                            QRect(Twips(l.x) - thickness / 2, Twips(l.y1), thickness,
                                  Twips(l.y2) - Twips(l.y1) + thickness / 2));
    }

    for (int i = 0; i < 7; ++i) {
        const double* place = kBoxPlace[kFramedBox[i]];
        auto* frame = new QFrame(this);
        frame->setObjectName(QString("Shape1(%1)").arg(i));
        frame->setFrameShape(QFrame::Box);
        frame->setLineWidth(1);
        frame->setGeometry(TwipsRect(place[0] - kFrameMargin, place[1] - kFrameMargin,
                                     kBoxWidth + 2 * kFrameMargin, kBoxHeight + 2 * kFrameMargin));
        QPalette fp = frame->palette();
        fp.setColor(QPalette::WindowText, Qt::black);
        frame->setPalette(fp);
        Shape1[i] = frame;
    }

    // What each box stands for, which a screen reader cannot see from the bracket's lines.
    const char* const places[kForecastBoxes + 1] = {"",
                                                    "Eastern Conference, first seed",
                                                    "Eastern Conference, second seed",
                                                    "Western Conference, first seed",
                                                    "Western Conference, second seed",
                                                    "Eastern Conference champion",
                                                    "Western Conference champion",
                                                    "World Champion favorite"};
    for (int box = 1; box <= kForecastBoxes; ++box) {
        auto* l = new QLabel(this);
        l->setObjectName(QString("label(%1)").arg(box));
        l->setAccessibleDescription(places[box]);
        l->setGeometry(TwipsRect(kBoxPlace[box][0], kBoxPlace[box][1], kBoxWidth, kBoxHeight));
        l->setFrameShape(QFrame::Box);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setTextFormat(Qt::PlainText);
        l->setAutoFillBackground(true);
        QPalette lp = l->palette();
        lp.setColor(QPalette::Window, QColor(192, 192, 192));
        lp.setColor(QPalette::WindowText, Qt::black);
        l->setPalette(lp);
        label[box] = l;
    }

    // Blue and red as always, but dark enough to read on the grey: pure blue and pure red reach
    // only about 2:1 against it, this navy 4:1 and this dark red 3.5:1, above the 3:1 that large
    // or bold type needs (the blue captions may lose their bold weight to fit their place).
    const QColor blue(0, 0, 128), red(96, 0, 0);
    const Caption captions[4] = {
        {2850, 360, 2745, 225, "Eastern Conference Champion", blue, false},
        {2850, 3510, 2805, 225, "Western Conference Champion", blue, false},
        {5640, 1140, 2655, 225, "Tavix", red, true},
        {5640, 1410, 2655, 225, "World Champion favorite", red, true},
    };
    for (int i = 0; i < 4; ++i) {
        const Caption& c = captions[i];
        auto* l = new QLabel(QString::fromLatin1(c.text), this);
        l->setObjectName(QString("Label1(%1)").arg(i));
        l->setGeometry(TwipsRect(c.left, c.top, c.width, c.height));
        l->setAlignment((c.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        QPalette lp = l->palette();
        lp.setColor(QPalette::WindowText, c.colour);
        l->setPalette(lp);
        FitToWidth(l);
        Label1[i] = l;
    }

    InfoButton = PictureButton(this, "InfoButton", Glyph::Info, "Help on season projections",
                               TwipsRect(6120, 3480, 975, 495));
    DoneButton = PictureButton(this, "DoneButton", Glyph::WindowOut, "Close Forecast window",
                               TwipsRect(7320, 3480, 975, 495));
    connect(InfoButton, &QToolButton::clicked, this, [this] { InfoButton_Click(); });
    connect(DoneButton, &QToolButton::clicked, this, [this] { DoneButton_Click(); });

    Form_Load();
    ctx_.dayFollowers.Add(this, [this] { Form_Load(); });
}

void Pseason::Form_Load() {
    setWindowTitle("Tavix Play-Off Projections");
    CentreOnScreen(this);
    forecast_ = ForecastPlayoffs(ctx_.nba, ctx_.seasonView);
    for (int box = 1; box <= kForecastBoxes; ++box) {
        // The box text puts the city on the second line; the label wants a plain line break.
        QString text = QString::fromLatin1(BoxText(ctx_.nba, forecast_.BoxTeam(box)));
        text.replace("\r\n", "\n");
        label[box]->setText(text);
        // Read out as one line that says what the box stands for, not as a bare line break.
        label[box]->setAccessibleName(label[box]->accessibleDescription() + ": " +
                                      (text.simplified().isEmpty() ? QString("none") : text.simplified()));
        FitToWidth(label[box]);
    }
}

void Pseason::InfoButton_Click() { ctx_.help.ShowHelpTopic(HelpKeyword::Forecast); }

void Pseason::DoneButton_Click() { ctx_.host.CloseSubWindow(this); }

void Pseason::closeEvent(QCloseEvent* event) {
    event->ignore();
    DoneButton_Click();
}

}  // namespace tavix
