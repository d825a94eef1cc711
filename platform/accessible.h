#pragma once
// Names and roles for screen readers where Qt cannot work them out: a label that acts on a click
// is read as a button (and can be pressed from the reader), a picture the program paints itself
// as a graphic, a scrolling strip of text as an animation.

#include <QAccessible>
#include <QString>

class QWidget;

namespace tavix {

// Makes screen readers treat `widget` as a control of `role`, called `name`. With an empty name a
// label is called by its text, so a caption that changes is read as it stands.
void SetAccessible(QWidget* widget, QAccessible::Role role, const QString& name = QString());

// Makes a control given a role above read as a toggle that is on (`checked`) or off, and tells a
// screen reader when that changes.
void SetAccessibleChecked(QWidget* widget, bool checked);

}  // namespace tavix
