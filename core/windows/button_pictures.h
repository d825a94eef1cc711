#pragma once
// The pictures on the settings, font and forecast windows' buttons, drawn here so the program
// carries no borrowed art.

#include <QPixmap>
#include <QPushButton>
#include <QString>

namespace tavix::pictures {

enum class Picture {
    Info,  // a blue "i" in a circle: help on this window
    Ok,    // a green tick: keep what was chosen and close
    Exit,  // an arrow leaving a box: close the window
};

QPixmap Draw(Picture picture, QSize size);

// A text-less button showing `picture`, placed and sized in twips, with its tool tip.
QPushButton* MakeButton(QWidget* parent, const char* objectName, Picture picture, const QString& toolTip,
                        double left, double top, double width, double height);

}  // namespace tavix::pictures
