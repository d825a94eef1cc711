#include "settings/windows/settingsform.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

#include "core/data_files.h"
#include "platform/picture_buttons.h"
#include "platform/twips.h"
#include "settings/windows/setfont.h"

namespace tavix {

Settingsform::Settingsform(AppContext& ctx) : ctx_(ctx), savedFont_(ctx.ownLeague.PrinterFontName) {
    setObjectName("Settingsform");
    SetWindowName("Settings");

    Command1 = new QPushButton("Printer Font", this);
    Command1->setObjectName("Command1");
    Command1->setMinimumSize(TwipsSize(2655, 495));
    InfoButton = PictureButton(this, "InfoButton", Glyph::Info, "Help on Settings", TwipsSize(975, 495));
    OkButton = PictureButton(this, "OkButton", Glyph::Tick, "Close settings window", TwipsSize(975, 495));
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(InfoButton, &QToolButton::clicked, this, [this] { InfoButton_Click(); });
    connect(OkButton, &QToolButton::clicked, this, [this] { OkButton_Click(); });

    // One size, the one its button needs in the user's font.
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(InfoButton);
    buttons->addStretch();
    buttons->addWidget(OkButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Twips(480), Twips(360), Twips(480), Twips(285));
    layout->setSpacing(Twips(285));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(Command1);
    layout->addLayout(buttons);
    layout->activate();

    Form_Load();
}

void Settingsform::Form_Load() { CentreOnScreen(this); }

void Settingsform::Command1_Click() {
    ctx_.host.StartWait();
    // The font chooser keeps this window disabled until it closes; a font it saves on the way out
    // is saved for this window too.
    ctx_.host.OpenSubWindow(new Setfont(ctx_, [this] { savedFont_ = ctx_.ownLeague.PrinterFontName; }), this);
}

void SaveSettingsAndTell(AppContext& ctx) {
    const WriteResult saved = SaveSettings(ctx.ownLeague);
    if (!saved.ok) {
        ctx.dialogs.Beep();
        ctx.dialogs.Show("Unable to save settings to disk" + SaveFailureReason(saved), "Tavix Setup",
                         Buttons::Ok, Icon::Exclamation);
    } else if (!saved.keptCopy.empty()) {
        ctx.dialogs.Show("The settings were saved to disk." + KeptCopyText(saved), "Tavix Setup", Buttons::Ok,
                         Icon::Information);
    }
}

std::string SettingsUnsavedText(const std::string& saved, const std::string& chosen) {
    return "The printer font " + chosen +
           " was chosen but not saved.\r\nSave keeps it, Discard goes back to " + saved +
           ",\r\nCancel goes back to the settings.";
}

void Settingsform::InfoButton_Click() { ctx_.help.ShowHelpTopic(HelpKeyword::Settings); }

void Settingsform::OkButton_Click() {
    // The font stays chosen for this run even when the file cannot be written; it is saved
    // again at exit.
    SaveSettingsAndTell(ctx_);
    ctx_.host.CloseSubWindow(this);
}

// Every way out but OK comes here: the title bar, Esc and the program ending. A printer font
// chosen and not saved is saved, dropped or kept open for, as the user answers.
void Settingsform::Leave() {
    // Save is the OK button, which closes the window itself.
    if (ctx_.ownLeague.PrinterFontName != savedFont_ &&
        !MayLeave(
            ctx_.dialogs, SettingsUnsavedText(savedFont_, ctx_.ownLeague.PrinterFontName), "Tavix Setup",
            [this] {
                OkButton_Click();
                return false;
            },
            [this] { ctx_.ownLeague.PrinterFontName = savedFont_; }))
        return;
    ctx_.host.CloseSubWindow(this);
}

}  // namespace tavix
