#include "predictions/windows/predictions.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavix {

predictions::predictions(AppContext& ctx) : ctx_(ctx) {
    setWindowTitle("Tavix Predictions");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("This window is being built."));
    auto* done = new QPushButton("Done");
    layout->addWidget(done);
    connect(done, &QPushButton::clicked, this, [this] { ctx_.host.CloseSubWindow(this); });
}

void predictions::closeEvent(QCloseEvent* event) {
    event->ignore();
    ctx_.host.CloseSubWindow(this);
}

}  // namespace tavix
