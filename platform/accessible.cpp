#include "platform/accessible.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

namespace tavix {
namespace {

constexpr char kRoleProperty[] = "tavixAccessibleRole";
constexpr char kCheckedProperty[] = "tavixAccessibleChecked";

// A widget with the role it was given; a button among them is pressed with a click in its middle,
// which goes through the same handlers as the user's own click.
class RoleInterface : public QAccessibleWidget {
  public:
    RoleInterface(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text t) const override {
        // A label is called by what it shows: Qt would fall back on the title of the frame around it.
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            if (auto* label = qobject_cast<QLabel*>(widget())) return label->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        const QVariant checked = widget()->property(kCheckedProperty);
        if (checked.isValid()) {
            state.checkable = true;
            state.checked = checked.toBool();
        }
        return state;
    }

    QStringList actionNames() const override {
        if (role() == QAccessible::Button) return {pressAction()};
        return QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action != pressAction()) return QAccessibleWidget::doAction(action);
        if (!widget()->isEnabled()) return;
        const QPointF middle = QRectF(widget()->rect()).center();
        const QPointF global = widget()->mapToGlobal(middle);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent click(type, middle, global, Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(widget(), &click);
        }
    }
};

QAccessibleInterface* RoleFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    const QVariant role = widget->property(kRoleProperty);
    if (!role.isValid()) return nullptr;
    return new RoleInterface(widget, static_cast<QAccessible::Role>(role.toInt()));
}

}  // namespace

void SetAccessible(QWidget* widget, QAccessible::Role role, const QString& name) {
    // Installed on first use: factories installed later are asked first, so this one comes before
    // Qt's own, and costs nothing in a program that never needs it.
    static const bool installed = [] {
        QAccessible::installFactory(RoleFactory);
        return true;
    }();
    (void)installed;
    widget->setProperty(kRoleProperty, static_cast<int>(role));
    if (!name.isEmpty()) widget->setAccessibleName(name);
    // Qt may have made its own interface already (a tool tip set first does); it gives way to ours.
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    if (iface && !dynamic_cast<RoleInterface*>(iface))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

void SetAccessibleChecked(QWidget* widget, bool checked) {
    const QVariant before = widget->property(kCheckedProperty);
    widget->setProperty(kCheckedProperty, checked);
    if (before.isValid() && before.toBool() == checked) return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(widget, changed);
    QAccessible::updateAccessibility(&event);
}

}  // namespace tavix
