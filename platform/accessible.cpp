#include "platform/accessible.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

namespace tavix {
namespace {

constexpr char kRoleProperty[] = "tavixAccessibleRole";

// A widget with the role it was given; a button among them is pressed with a click in its middle,
// which goes through the same handlers as the user's own click.
class RoleInterface : public QAccessibleWidget {
  public:
    RoleInterface(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text t) const override {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty())
            if (auto* label = qobject_cast<QLabel*>(widget())) text = label->text();
        return text;
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

}  // namespace tavix
