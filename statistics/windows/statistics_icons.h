#pragma once
// Small pictures for the statistics windows' buttons, drawn here rather than taken from anywhere.
#include <QIcon>

namespace tavix::statistics_icons {

QIcon Record();  // a diskette
QIcon Exit();    // an open door with an arrow
QIcon Help();    // a question mark in a circle
QIcon Print();   // a printer with a sheet
QIcon Done();    // a tick

}  // namespace tavix::statistics_icons
