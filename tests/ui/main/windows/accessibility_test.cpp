// What a screen reader finds: every window, opened the way its menu command or button opens it,
// is walked through its accessibility tree, and every control a user can reach must have a name
// and a role that says what it does (a picture the program paints is a graphic, a label that
// acts on a click is a button), so that nothing is read out as "unlabelled" or "panel".
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMetaEnum>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <functional>
#include <memory>

#include "platform/help_viewer.h"
#include "reference/windows/textrulesform.h"
#include "tests/support/qt/every_window.h"
#include "ui/main/windows/form2.h"

using namespace tavix;

namespace {

// Roles of controls a user acts on or reads one by one; each needs a name of its own.
bool NeedsName(QAccessible::Role role) {
    using A = QAccessible;
    static const A::Role named[] = {
        A::Button,   A::CheckBox,    A::RadioButton, A::ComboBox,       A::EditableText, A::SpinBox,
        A::List,     A::Table,       A::Tree,        A::ScrollBar,      A::Slider,       A::Link,
        A::PageTab,  A::PageTabList, A::ButtonMenu,  A::ButtonDropDown, A::Graphic,      A::Animation,
        A::Grouping, A::Window,      A::Dialog};
    return std::find(std::begin(named), std::end(named), role) != std::end(named);
}

// A control the program paints itself is read as a bare client area or an empty text unless it says
// what it is; a plain widget with nothing inside is such a control too.
bool Unexplained(QAccessibleInterface* iface) {
    QWidget* widget = qobject_cast<QWidget*>(iface->object());
    if (!widget || iface->childCount() > 0) return false;
    const QString cls = widget->metaObject()->className();
    if (cls == "QWidget") return iface->role() == QAccessible::Client;
    return cls.startsWith("tavix::") &&
           (iface->role() == QAccessible::Client || iface->text(QAccessible::Name).trimmed().isEmpty());
}

// A scroll area's own scroll bars and viewport are read as part of it.
bool PartOfScrollArea(QAccessibleInterface* iface) {
    QWidget* widget = qobject_cast<QWidget*>(iface->object());
    for (int up = 0; widget && up < 2; ++up, widget = widget->parentWidget())
        if (widget->objectName().startsWith("qt_scrollarea_")) return true;
    return false;
}

QString Describe(QAccessibleInterface* iface) {
    QObject* object = iface->object();
    QString path;
    for (QObject* o = object; o; o = o->parent())
        path.prepend("/" +
                     (o->objectName().isEmpty() ? QString(o->metaObject()->className()) : o->objectName()));
    return path + " (" + QMetaEnum::fromType<QAccessible::Role>().valueToKey(iface->role()) + ")";
}

// The title of a frame around the control, which Qt lends to a control with no name of its own.
bool NamedByItsFrame(QAccessibleInterface* iface, const QString& name) {
    auto* widget = qobject_cast<QWidget*>(iface->object());
    for (QWidget* up = widget ? widget->parentWidget() : nullptr; up; up = up->parentWidget())
        if (auto* frame = qobject_cast<QGroupBox*>(up); frame && frame->title() == name) return true;
    return false;
}

// Controls a user presses or types into: two of them with one name cannot be told apart by ear.
bool ActedOn(QAccessible::Role role) {
    using A = QAccessible;
    return role == A::Button || role == A::CheckBox || role == A::RadioButton || role == A::EditableText ||
           role == A::ComboBox || role == A::Link || role == A::SpinBox;
}

void Walk(QAccessibleInterface* iface, QStringList& faults, QMap<QString, int>& actedNames) {
    if (!iface || iface->state().invisible) return;
    const QAccessible::Role role = iface->role();
    const QString name = iface->text(QAccessible::Name);
    if (!PartOfScrollArea(iface)) {
        if (Unexplained(iface))
            faults << Describe(iface) + ": painted by the program, with no role or name";
        else if (NeedsName(role) && name.trimmed().isEmpty())
            faults << Describe(iface) + ": no name";
        // A menu item keeps its caption's blanks and a combo box is read by its text on this desktop;
        // other controls are read by names that start with a word.
        else if (!name.isEmpty() && name.front().isSpace() && role != QAccessible::MenuItem &&
                 role != QAccessible::ComboBox)
            faults << Describe(iface) + ": name starts with a blank: " + name;
        else if (role != QAccessible::Grouping && !name.isEmpty() && NamedByItsFrame(iface, name))
            faults << Describe(iface) + ": named by its frame";
        if (ActedOn(role) && !name.trimmed().isEmpty()) actedNames[name.trimmed()]++;
    }
    // The lines of a list are named by their own text.
    if (role == QAccessible::List || role == QAccessible::Table || role == QAccessible::Tree) return;
    for (int i = 0; i < iface->childCount(); ++i) Walk(iface->child(i), faults, actedNames);
}

QStringList Faults(QWidget* window) {
    QStringList faults;
    QMap<QString, int> actedNames;
    QAccessibleInterface* top = QAccessible::queryAccessibleInterface(window);
    Walk(top, faults, actedNames);
    for (auto it = actedNames.cbegin(); it != actedNames.cend(); ++it)
        if (it.value() > 1)
            faults << QString("%1 controls are all called \"%2\"").arg(it.value()).arg(it.key());
    // A window is read as a window or a dialog, not as a bare area.
    if (top && top->role() != QAccessible::Window && top->role() != QAccessible::Dialog)
        faults << Describe(top) + ": the window is not read as a window or dialog";
    return faults;
}

using tavix::testing::Opener;
using tavix::testing::OpenSplash;
using tavix::testing::Sub;
using Program = tavix::testing::LoadedMain;
using Observer = std::function<QString(QWidget*)>;

// A control by its object name; "parent/child" for a child of a named control.
QWidget* Find(QWidget* window, const QString& path) {
    QWidget* found = window;
    for (const QString& name : path.split('/'))
        if (found) found = found->findChild<QWidget*>(name);
    return found;
}

}  // namespace

Q_DECLARE_METATYPE(Opener)
Q_DECLARE_METATYPE(Observer)
Q_DECLARE_METATYPE(QAccessible::Role)

class AccessibilityTest : public QObject {
    Q_OBJECT
  private slots:
    void everyControlNamed_data() {
        QTest::addColumn<Opener>("open");
        for (const auto& [name, open] : tavix::testing::EveryWindow()) QTest::newRow(name) << open;
    }

    void everyControlNamed() {
        QFETCH(Opener, open);
        Program p;
        QWidget* window = open(p);
        QVERIFY(window);
        const QStringList faults = Faults(window);
        QVERIFY2(faults.isEmpty(), qPrintable("\n" + faults.join('\n')));
    }

    // What the program paints or makes clickable itself says what it is.
    void ownControlsSayWhatTheyAre_data() {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("name");  // empty: any name
        auto view = Opener([](Program& p) { return static_cast<QWidget*>(p.w.get()); });
        auto court =
            Sub(&Form2::Plmenu, [](QWidget* w) { qobject_cast<textrulesform*>(w)->Topiclabel_Click(7); });
        QTest::newRow("splash picture")
            << Opener(OpenSplash) << "Image1" << QAccessible::Graphic << QString();
        QTest::newRow("splash banner")
            << Opener(OpenSplash) << "Picture2" << QAccessible::StaticText << QString();
        QTest::newRow("idle emblem") << view << "Shape1" << QAccessible::Graphic << QString();
        QTest::newRow("team label") << Sub(&Form2::Predictionsmenu) << "Clabel(1)" << QAccessible::Button
                                    << "Boston Celtics";
        QTest::newRow("chance column") << Sub(&Form2::Predictionsmenu) << "ChanceList" << QAccessible::List
                                       << "Favourite's chance of winning";
        QTest::newRow("record chart") << testing::ByName("recordmenu") << "Chart1" << QAccessible::Chart
                                      << "How often the favourite won, by predicted margin";
        QTest::newRow("month arrow") << Sub(&Form2::updatemenu) << "monthspin/up" << QAccessible::Button
                                     << "Next month";
        QTest::newRow("odds chart") << Sub(&Form2::pseasonmenu) << "OddsChart" << QAccessible::Chart
                                    << "Chances through the season";
        QTest::newRow("full court") << court << "Image2" << QAccessible::Graphic << QString();
        QTest::newRow("web address") << Sub(&Form2::websitemenu) << "Label1(1)" << QAccessible::Button
                                     << "The Official NBA site: https://www.nba.com/";
        QTest::newRow("team button") << Sub(&Form2::updatemenu) << "teamupbutton" << QAccessible::Button
                                     << "Next team: Miami Heat";
        QTest::newRow("names box") << Sub(&Form2::Namesmenu) << "Text1(8)" << QAccessible::EditableText
                                   << "City, Central Division 1";
    }

    void ownControlsSayWhatTheyAre() {
        QFETCH(Opener, open);
        QFETCH(QString, control);
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, name);
        Program p;
        QWidget* window = open(p);
        QVERIFY(window);
        QWidget* widget = Find(window, control);
        QVERIFY2(widget, qPrintable(control));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(iface);
        QCOMPARE(iface->role(), role);
        const QString spoken = iface->text(QAccessible::Name);
        QVERIFY2(name.isEmpty() ? !spoken.trimmed().isEmpty() : spoken == name, qPrintable(spoken));
    }

    // A label that acts on a click can be pressed from a screen reader, with the click's effect.
    void readerPressesLabels_data() {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<QString>("control");
        QTest::addColumn<Observer>("observe");
        QTest::newRow("team label chooses the team")
            << Sub(&Form2::Predictionsmenu) << "Clabel(5)"
            << Observer([](QWidget* w) { return Find(w, "GameLabel")->property("text").toString(); });
        QTest::newRow("topic panel shows its topic")
            << Sub(&Form2::Plmenu) << "Topiclabel(2)" << Observer([](QWidget* w) {
                   auto* list = qobject_cast<QListWidget*>(Find(w, "List1"));
                   return list->count() ? list->item(0)->text() : QString();
               });
        QTest::newRow("web address is copied")
            << Sub(&Form2::websitemenu) << "Label1(1)"
            << Observer([](QWidget* w) { return QString::number(Find(w, "Label3")->isVisibleTo(w)); });
    }

    void readerPressesLabels() {
        QFETCH(Opener, open);
        QFETCH(QString, control);
        QFETCH(Observer, observe);
        Program p;
        QWidget* window = open(p);
        QVERIFY(window);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(Find(window, control));
        QVERIFY(iface && iface->actionInterface());
        QVERIFY(iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        const QString before = observe(window);
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QApplication::processEvents();
        QVERIFY2(observe(window) != before, qPrintable(before));
    }

    // The walk itself: a picture button, a text box and a painted area, none of them named.
    void walkFindsNamelessControls() {
        QWidget window;
        window.setWindowTitle("Test");
        auto* button = new QToolButton(&window);
        button->setArrowType(Qt::UpArrow);
        new QLineEdit(&window);
        new QWidget(&window);
        auto* named = new QToolButton(&window);
        named->setAccessibleName("Named");
        window.show();
        const QStringList faults = Faults(&window);
        QCOMPARE(faults.size(), 4);  // the window itself is a bare area too
    }

    // The help window is the program's own too.
    void helpWindowNamed() {
        testing::ScriptedDialogs dialogs;
        testing::ManualTimers timers;
        QtHelpLauncher help(dialogs, timers);
        help.ShowHelpTopic(HelpKeyword::Contents);
        QVERIFY(help.Window());
        const QStringList faults = Faults(help.Window());
        QVERIFY2(faults.isEmpty(), qPrintable("\n" + faults.join('\n')));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
