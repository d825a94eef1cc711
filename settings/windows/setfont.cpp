#include "settings/windows/setfont.h"
#include "platform/list_text.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include "core/font_advice.h"
#include "platform/picture_buttons.h"
#include "platform/twips.h"
#include "settings/windows/settingsform.h"

namespace tavix {
namespace {

constexpr double kSampleSize = 12;  // points; large enough to judge the font

bool FitsLatin1(const QString& name) {
    for (QChar c : name)
        if (c.unicode() > 0xFF) return false;
    return true;
}

QLabel* MakeAdvice(QWidget* parent, const char* name, const char* text) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

// "Nimbus Mono PS [urw]" -> "Nimbus Mono PS": the font system names a family once per foundry
// when two foundries ship it, but a printout asks for the family by its plain name.
QString WithoutFoundry(const QString& family) {
    const int bracket = family.indexOf(" [");
    return bracket > 0 && family.endsWith(']') ? family.left(bracket) : family;
}

}  // namespace

QStringList Setfont::PrinterFonts() {
    // Qt draws any installed font into the printer's output, so the printer can use every
    // family the font system knows.
    QStringList fonts;
    for (const QString& family : QFontDatabase::families()) {
        const QString name = WithoutFoundry(family);
        if (FitsLatin1(name) && !fonts.contains(name)) fonts << name;
    }
    return fonts;
}

Setfont::Setfont(AppContext& ctx, std::function<void()> fontSaved)
    : ctx_(ctx), fontSaved_(std::move(fontSaved)) {
    setObjectName("Setfont");
    SetWindowName("Printer Font");

    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    List1->setAccessibleName("Fonts");
    List1->setMinimumSize(TwipsSize(3135, 3735));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);

    Frame1 = new QGroupBox("Current Font", this);
    Frame1->setObjectName("Frame1");
    fontlabel = new QLabel(Frame1);
    fontlabel->setObjectName("fontlabel");
    fontlabel->setAlignment(Qt::AlignCenter);
    fontlabel->setWordWrap(true);
    fontlabel->setTextFormat(Qt::PlainText);
    // A sample in a tall font must not make the window jump: the box keeps its height.
    fontlabel->setFixedHeight(std::max(Twips(735), fontlabel->fontMetrics().height() * 3));
    (new QVBoxLayout(Frame1))->addWidget(fontlabel);

    Label2 = MakeAdvice(this, "Label2", "MonoSpaced fonts are required for straight columns.");
    std::vector<std::string> installed;
    for (const QString& name : PrinterFonts()) installed.push_back(ToLatin1(name));
    Label1 = MakeAdvice(this, "Label1", PrinterFontAdvice(installed).c_str());

    Command1 = PictureButton(this, "Command1", Glyph::Info, "Help on Fonts", TwipsSize(975, 495));
    donebutton = PictureButton(this, "donebutton", Glyph::Tick, "Close Font window", TwipsSize(975, 495));

    // The fonts on the left; on the right, a column as wide as the window was designed, the
    // advice wrapping in it, and the window one size, as tall as the two need.
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addStretch();
    buttons->addWidget(donebutton);
    auto* column = new QVBoxLayout;
    column->setSpacing(Twips(165));
    column->addWidget(Frame1);
    column->addWidget(Label2);
    column->addWidget(Label1);
    column->addStretch();
    column->addLayout(buttons);
    auto* right = new QWidget(this);
    right->setFixedWidth(std::max(Twips(2775), fontMetrics().averageCharWidth() * 28));
    right->setLayout(column);
    column->setContentsMargins(0, 0, 0, 0);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(Twips(240), Twips(120), Twips(240), Twips(240));
    layout->setSpacing(Twips(225));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(List1);
    layout->addWidget(right);
    layout->activate();

    connect(List1, &QListWidget::itemSelectionChanged, this, [this] { List1_Click(); });
    connect(Command1, &QToolButton::clicked, this, [this] { Command1_Click(); });
    connect(donebutton, &QToolButton::clicked, this, [this] { donebutton_Click(); });

    Form_Load();
}

void Setfont::ShowCurrentFont(const QString& name) {
    fontlabel->setText(name);
    // Without a name of its own the label would be read by its frame's title, or as nothing.
    fontlabel->setAccessibleName("Current font: " + (name.isEmpty() ? QString("none chosen") : name));
}

void Setfont::Form_Load() {
    CentreOnScreen(this);
    const QString current = Latin1(ctx_.ownLeague.PrinterFontName);
    ShowCurrentFont(current);
    List1->addItems(PrinterFonts());
    // Marking the current font shows its sample too; a font the printer does not offer is
    // named in the label with nothing marked.
    for (int i = 0; i < List1->count(); ++i) {
        if (List1->item(i)->text() == current) {
            List1->setCurrentRow(i);
            List1->scrollToItem(List1->item(i), QAbstractItemView::PositionAtCenter);
        }
    }
}

void Setfont::List1_Click() {
    const QList<QListWidgetItem*> chosen = List1->selectedItems();
    if (chosen.isEmpty()) return;
    const QString name = chosen.first()->text();
    ShowCurrentFont(name);
    QFont sample(name);
    sample.setPointSizeF(kSampleSize);
    fontlabel->setFont(sample);
}

void Setfont::Command1_Click() { ctx_.help.ShowHelpTopic(HelpKeyword::Settings); }

void Setfont::donebutton_Click() {
    ctx_.ownLeague.PrinterFontName = ToLatin1(fontlabel->text());
    ctx_.host.CloseSubWindow(this);
}

// Every way out but the done button comes here: the title bar, Esc and the program ending. A font
// clicked and not taken is saved, dropped or kept open for, as the user answers.
void Setfont::Leave() {
    const std::string chosen = ToLatin1(fontlabel->text());
    if (chosen != ctx_.ownLeague.PrinterFontName &&
        !MayLeave(ctx_.dialogs, SettingsUnsavedText(ctx_.ownLeague.PrinterFontName, chosen), "Tavix Setup",
                  [&] {
                      ctx_.ownLeague.PrinterFontName = chosen;
                      SaveSettingsAndTell(ctx_);
                      if (fontSaved_) fontSaved_();
                      return true;
                  }))
        return;
    ctx_.host.CloseSubWindow(this);
}

}  // namespace tavix
