#include "tests/support/qt/every_window.h"

#include <QApplication>
#include <QPushButton>

#include "reference/windows/textrulesform.h"

namespace tavix::testing {

LoadedMain::LoadedMain() {
    w->Form_Load(app.DataDir() + "/TVX.ini");
    QApplication::processEvents();
}

Opener Sub(QAction* Form2::*command, std::function<void(QWidget*)> then) {
    return [command, then](LoadedMain& p) {
        QWidget* window = p.Opened([&] { (p.w.get()->*command)->trigger(); });
        if (window && then) then(window);
        QApplication::processEvents();
        return window;
    };
}

QWidget* OpenSplash(LoadedMain& p) {
    p.w->aboutmenu->trigger();
    QApplication::processEvents();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->inherits("tavix::Form1")) return w;
    return nullptr;
}

// The sub-window the menu item of that object name opened.
Opener ByName(const char* item) {
    return [item](LoadedMain& p) {
        QWidget* window = p.Opened([&] { p.w->findChild<QAction*>(item)->trigger(); });
        QApplication::processEvents();
        return window;
    };
}

std::vector<std::pair<const char*, Opener>> EveryWindow() {
    auto view = [](std::function<void(Form2&)> show) {
        return Opener([show](LoadedMain& p) {
            show(*p.w);
            QApplication::processEvents();
            return static_cast<QWidget*>(p.w.get());
        });
    };
    return {
        {"main, idle", view([](Form2&) {})},
        {"main, schedule", view([](Form2& w) { w.Sechalfmenu->trigger(); })},
        {"main, team panel", view([](Form2& w) { w.teamschedulemenu->trigger(); })},
        {"main, standings", view([](Form2& w) { w.standingsmenu->trigger(); })},
        {"splash (About)", OpenSplash},
        {"predictions", Sub(&Form2::Predictionsmenu)},
        {"block predictions",
         [](LoadedMain& p) {
             p.w->Sechalfmenu->trigger();
             for (int row = 1; row < 4; ++row) p.w->List1->item(row)->setSelected(true);
             return p.Opened([&] { p.w->Blockpredictbutton->click(); });
         }},
        {"prediction record", ByName("recordmenu")},
        {"statistics", Sub(&Form2::updatemenu)},
        {"ratings", Sub(&Form2::ratingmenu)},
        {"play-off forecast", Sub(&Form2::pseasonmenu)},
        {"settings", Sub(&Form2::Settingsmenu)},
        {"font chooser",
         [](LoadedMain& p) {
             QWidget* settings = p.Opened([&] { p.w->Settingsmenu->trigger(); });
             return p.Opened([&] { settings->findChild<QPushButton*>("Command1")->click(); });
         }},
        {"names", Sub(&Form2::Namesmenu)},
        {"rosters", Sub(&Form2::Rostermenu)},
        {"rules", Sub(&Form2::Plmenu)},
        {"rules, the court",
         Sub(&Form2::Plmenu, [](QWidget* w) { qobject_cast<textrulesform*>(w)->Topiclabel_Click(7); })},
        {"addresses", Sub(&Form2::addressmenu)},
        {"web sites", Sub(&Form2::websitemenu)},
        {"programming information", Sub(&Form2::programmingmenu)},
        {"season replay", ByName("replaydaymenu")},
    };
}

}  // namespace tavix::testing
