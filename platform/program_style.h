#pragma once
// The program's widget style: the platform's own, with the one stock picture a main window
// needs at start-up painted by the program instead. Qt keeps that picture (the arrow a menu bar
// shows when it is too narrow for its menus) as an image file, and reading it loads every image
// format plugin before the first window can show. A message box's picture is painted by the
// program too where the platform has it only as an image too small for a scaled screen.

#include <QProxyStyle>

namespace tavix {

class ProgramStyle : public QProxyStyle {
  public:
    // Wraps `base` (the application's style when null), which it then owns.
    explicit ProgramStyle(QStyle* base = nullptr);

    QIcon standardIcon(StandardPixmap picture, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// The palette of the dark look.
QPalette DarkPalette();

// Makes ProgramStyle, over the style the application would use, the application's style; with
// TAVIX_THEME=dark in the environment, over Fusion with DarkPalette.
void InstallProgramStyle();

}  // namespace tavix
