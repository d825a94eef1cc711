#include "reference/windows/namesform.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QValidator>

#include "core/data_files.h"
#include "platform/list_text.h"
#include "platform/picture_buttons.h"
#include "platform/twips.h"
#include "reference/names_editor.h"

namespace tavix {
namespace {

// Refuses what the names file cannot carry: a double quote, or a character outside the 8-bit
// Western code page the file is written in. The length is the box's own business.
class NameValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (QChar c : input) {
            if (c.unicode() > 0xFF) return Invalid;
        }
        return NameFitsFile(ToLatin1(input)) ? Acceptable : Invalid;
    }
};

QLabel* MakeCaption(QWidget* parent, const char* name, const QString& text, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    if (bold) {
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
    }
    return label;
}

}  // namespace

Namesform::Namesform(AppContext& ctx) : ctx_(ctx) {
    setWindowTitle(kNamesWindowTitle);

    Frame1 = new QGroupBox("Eastern Conference", this);
    Frame1->setObjectName("Frame1");
    Frame2 = new QGroupBox("Western Conference", this);
    Frame2->setObjectName("Frame2");

    Label1 = MakeCaption(Frame1, "Label1", "Atlantic Division", true);
    Label3 = MakeCaption(Frame1, "Label3", "Central Division", true);
    Label4 = MakeCaption(Frame2, "Label4", "Midwest Division", true);
    Label6 = MakeCaption(Frame2, "Label6", "Pacific Division", true);
    Label7[0] = MakeCaption(Frame1, "Label7(0)", "Team name", false);
    Label7[1] = MakeCaption(Frame2, "Label7(1)", "Team name", false);

    // Each frame: its upper division with the column heading, then its lower division, one row a
    // team, city beside nickname. The rows follow the division ranges.
    const std::array<QGridLayout*, 2> grids = {new QGridLayout(Frame1), new QGridLayout(Frame2)};
    const std::array<QLabel*, 4> divisions = {Label1, Label3, Label4, Label6};
    for (int f = 0; f < 2; ++f) {
        grids[f]->setHorizontalSpacing(Twips(225));
        grids[f]->setVerticalSpacing(Twips(15));
        grids[f]->setColumnStretch(0, 1335);
        grids[f]->setColumnStretch(1, 1605);
        grids[f]->addWidget(divisions[f * 2], 0, 0, 1, 2);
        grids[f]->addWidget(Label7[f], 1, 1);
    }
    int row = 2;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        const bool east = t <= 15;
        QGridLayout* grid = grids[east ? 0 : 1];
        const int firstOfBlock = t <= 7 ? 1 : t <= 15 ? 8 : t <= 22 ? 16 : 23;
        if (t == 16) row = 2;
        if (t == 8 || t == 23) {
            grid->setRowMinimumHeight(row++, Twips(240));
            grid->addWidget(divisions[t == 8 ? 1 : 3], row++, 0, 1, 2);
        }
        Text1[t] = MakeNameBox(east ? Frame1 : Frame2, "Text1", t);
        Text2[t] = MakeNameBox(east ? Frame1 : Frame2, "Text2", t);
        grid->addWidget(Text1[t], row, 0);
        grid->addWidget(Text2[t], row, 1);
        ++row;
        // A screen reader cannot see which row a box sits in: its name says so.
        const QString place =
            QString("%1 Division %2").arg(DivisionName(DivisionOf(t))).arg(t - firstOfBlock + 1);
        Text1[t]->setAccessibleName("City, " + place);
        Text2[t]->setAccessibleName("Team name, " + place);
    }
    for (QGridLayout* grid : grids) grid->setRowStretch(grid->rowCount(), 1);

    Infobutton = PictureButton(this, "Infobutton", Glyph::Info, "Help on Name changes", TwipsSize(615, 615));
    savebutton = PictureButton(this, "savebutton", Glyph::Diskette, "Save Changes", TwipsSize(615, 615));
    Command1 = PictureButton(this, "Command1", Glyph::Door, "Close Names & Locations", TwipsSize(615, 615));
    connect(Infobutton, &QToolButton::clicked, this, [this] { Infobutton_Click(); });
    connect(savebutton, &QToolButton::clicked, this, [this] { savebutton_Click(); });
    // Saving from the keyboard, wherever the focus is, as a document is saved.
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
            [this] { savebutton_Click(); });
    connect(Command1, &QToolButton::clicked, this, [this] { Command1_Click(); });

    auto* buttons = new QVBoxLayout;
    buttons->setContentsMargins(0, Twips(270), 0, Twips(120));
    buttons->setSpacing(Twips(165));
    buttons->addWidget(Infobutton);
    buttons->addWidget(savebutton);
    buttons->addStretch();
    buttons->addWidget(Command1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(Twips(180), Twips(30), Twips(195), Twips(150));
    layout->setSpacing(Twips(195));
    layout->addWidget(Frame1, 1);
    layout->addWidget(Frame2, 1);
    layout->addLayout(buttons);

    Form_Load();
}

QLineEdit* Namesform::MakeNameBox(QWidget* frame, const char* array, int team) {
    auto* box = new QLineEdit(frame);
    box->setObjectName(QString("%1(%2)").arg(array).arg(team));
    // Wide enough for twelve characters of the user's font, whatever it is.
    box->setMinimumWidth(box->fontMetrics().averageCharWidth() * (kNameBoxLength + 3));
    box->setValidator(new NameValidator(box));
    // Tab reaches every box, city then nickname, team after team; the colours are the theme's.
    box->setFocusPolicy(Qt::StrongFocus);
    // Once the user shortens a name that was longer than a box normally allows, the limit
    // follows it down, so no name grows past its old length or past 12 characters.
    connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
        box->setMaxLength(std::max<int>(kNameBoxLength, std::min<int>(box->maxLength(), text.size())));
    });
    return box;
}

void Namesform::Form_Load() {
    for (int t = 1; t <= kLeagueTeams; ++t) {
        const std::string& city = ctx_.ownLeague.CityNames[t];
        const std::string& nick = ctx_.ownLeague.TeamNames[t];
        // The limit is raised before the text goes in, so a longer name from the file is not cut.
        Text1[t]->setMaxLength(NameBoxLimit(city));
        Text1[t]->setText(Latin1(city));
        Text2[t]->setMaxLength(NameBoxLimit(nick));
        Text2[t]->setText(Latin1(nick));
    }
}

void Namesform::savebutton_Click() { SaveEdits(true); }

bool Namesform::SaveEdits(bool ask) {
    NameArray cities = ctx_.ownLeague.CityNames;
    NameArray teams = ctx_.ownLeague.TeamNames;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        cities[t] = ToLatin1(Text1[t]->text());
        teams[t] = ToLatin1(Text2[t]->text());
    }
    if (const auto problem = CheckEditedNames(ctx_.ownLeague, cities, teams)) {
        ctx_.dialogs.Show(problem->message, kNamesSaveQuestionTitle, Buttons::Ok, Icon::Exclamation);
        QLineEdit* box = problem->city ? Text1[problem->team] : Text2[problem->team];
        box->setFocus();
        box->selectAll();
        return false;
    }
    if (ask && ctx_.dialogs.Show(kNamesSaveQuestion, kNamesSaveQuestionTitle, Buttons::YesNo,
                                 Icon::Question) != Answer::Yes)
        return false;
    WriteResult result = StoreEditedNames(ctx_.dataDir, ctx_.ownLeague, cities, teams);
    if (!result.ok) {
        // The edits stay in the boxes so the user can try again once the disk is writable.
        ctx_.dialogs.Beep();
        ctx_.dialogs.Show(kNamesSaveFailed + SaveFailureReason(result), "Tavix", Buttons::Ok,
                          Icon::Exclamation);
        return false;
    }
    // A replay on show keeps its evening's figures and takes the new names at once.
    if (ctx_.replayLeague) {
        ctx_.replayLeague->CityNames = ctx_.ownLeague.CityNames;
        ctx_.replayLeague->TeamNames = ctx_.ownLeague.TeamNames;
    }
    if (!result.keptCopy.empty())
        ctx_.dialogs.Show("The names were saved to disk." + KeptCopyText(result), "Tavix", Buttons::Ok,
                          Icon::Information);
    return true;
}

void Namesform::Infobutton_Click() {
    ctx_.dialogs.Show(NamesInformationText(), "Tavix", Buttons::Ok, Icon::None);
}

// Every way out comes here: the close button, the title bar, Esc and the program ending. Names
// typed and not saved are saved, dropped or kept open for, as the user answers.
void Namesform::Command1_Click() {
    if (NamesEdited() && !MayLeave(ctx_.dialogs, kNamesUnsavedQuestion, kNamesSaveQuestionTitle,
                                   [this] { return SaveEdits(false); }))
        return;
    ctx_.host.CloseSubWindow(this);
}

bool Namesform::NamesEdited() const {
    for (int t = 1; t <= kLeagueTeams; ++t) {
        if (ToLatin1(Text1[t]->text()) != ctx_.ownLeague.CityNames[t] ||
            ToLatin1(Text2[t]->text()) != ctx_.ownLeague.TeamNames[t])
            return true;
    }
    return false;
}

void Namesform::Leave() { Command1_Click(); }

}  // namespace tavix
