#pragma once
// Small pictures for the picture buttons of the prediction windows, drawn here so the program
// carries no borrowed art.

#include <QIcon>

namespace tavix {

QIcon PrinterIcon();
QIcon ClearListIcon();
QIcon DoneIcon();
QIcon InfoIcon();

}  // namespace tavix
