#include "platform/qt_dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace tavix {

QString MessageText(const std::string& latin1) {
    QString text = QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()));
    // Pairs first, in either order, so "\n\r\n\r" becomes two breaks and not four.
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == '\r' || c == '\n') {
            const QChar partner = c == '\r' ? QChar('\n') : QChar('\r');
            if (i + 1 < text.size() && text[i + 1] == partner) ++i;
            out += '\n';
        } else {
            out += c;
        }
    }
    return out;
}

QWidget* QtDialogs::Owner() const {
    if (parent_) return parent_;
    // A box made a child of a disabled window (the main window while a sub-window is open, which
    // the user may have clicked last) would be disabled with it and could never be answered.
    if (QWidget* working = workingWindow_ ? workingWindow_() : nullptr;
        working && working->isEnabled() && working->isVisible())
        return working;
    QWidget* active = QApplication::activeWindow();
    return active && active->isEnabled() ? active : nullptr;
}

Answer QtDialogs::Show(const std::string& text, const std::string& title, Buttons buttons, Icon icon,
                       DefaultButton defaultButton) {
    QMessageBox box(Owner());
    box.setWindowTitle(QString::fromLatin1(title.data(), static_cast<qsizetype>(title.size())));
    box.setText(MessageText(text));
    box.setTextFormat(Qt::PlainText);
    switch (icon) {
        case Icon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case Icon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
    }
    QMessageBox::StandardButton first = QMessageBox::Ok, second = QMessageBox::NoButton,
                                third = QMessageBox::NoButton;
    switch (buttons) {
        case Buttons::Ok:
            break;
        case Buttons::OkCancel:
            second = QMessageBox::Cancel;
            break;
        case Buttons::YesNo:
            first = QMessageBox::Yes;
            second = QMessageBox::No;
            break;
        case Buttons::SaveDiscardCancel:
            first = QMessageBox::Save;
            second = QMessageBox::Discard;
            third = QMessageBox::Cancel;
            break;
    }
    box.setStandardButtons(QMessageBox::StandardButtons(first) | second | third);
    const bool secondIsDefault = defaultButton == DefaultButton::Second && second != QMessageBox::NoButton;
    box.setDefaultButton(secondIsDefault ? second : first);
    // Escape is the answer that changes nothing: Cancel, else the negative one; a lone OK box
    // takes Escape as OK.
    box.setEscapeButton(third != QMessageBox::NoButton    ? third
                        : second != QMessageBox::NoButton ? second
                                                          : first);
    box.exec();

    QAbstractButton* clicked = box.clickedButton();
    const auto pressed = clicked ? box.standardButton(clicked) : QMessageBox::NoButton;
    switch (pressed) {
        case QMessageBox::Ok:
            return Answer::Ok;
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        case QMessageBox::Save:
            return Answer::Save;
        case QMessageBox::Discard:
            return Answer::Discard;
        default:
            break;
    }
    // Closed some other way (the window manager's close button): the safe answer.
    switch (buttons) {
        case Buttons::Ok:
            return Answer::Ok;
        case Buttons::OkCancel:
        case Buttons::SaveDiscardCancel:
            return Answer::Cancel;
        case Buttons::YesNo:
            return Answer::No;
    }
    return Answer::Cancel;
}

void QtDialogs::Beep() { QApplication::beep(); }

}  // namespace tavix
