// Placeholder start: loads the data and reports what it read, until the main window exists.
#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include "core/data_files.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tavix::NBA nba;
    auto report = tavix::LoadLeague(QDir::currentPath().toStdString(), "TVX.ini", nba);
    QMessageBox::information(nullptr, "Tavix",
                             QString("Loaded %1 teams, %2 schedule lines. %3")
                                 .arg(nba.TeamCount)
                                 .arg(nba.FirstHalfCount + nba.SecondHalfCount)
                                 .arg(report.NeedsLoadingMessage() ? "A data file failed." : ""));
    return 0;
}
