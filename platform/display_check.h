#pragma once
// Without a display Qt ends a program with an abort and a page of advice about plugins; the
// program says so in one line and exits with status 1 instead.

namespace tavix {

// While alive (around the construction of QApplication): ends the program with
// "tavix: cannot open a display: ..." and status 1 when no display is named in the environment or
// the command line, or when Qt's platform plugin fails to open the one named. Qt's other start-up
// warnings are held back and passed on when the display opened.
class DisplayCheck {
  public:
    DisplayCheck(int argc, char** argv);
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;
};

}  // namespace tavix
