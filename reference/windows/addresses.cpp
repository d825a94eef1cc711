#include "reference/windows/addresses.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavix {

Addresses::Addresses(AppContext& ctx) : ctx_(ctx) {
    setWindowTitle("NBA Team Addresses");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("This window is being built."));
    auto* done = new QPushButton("Done");
    layout->addWidget(done);
    connect(done, &QPushButton::clicked, this, [this] { ctx_.host.CloseSubWindow(this); });
}

void Addresses::closeEvent(QCloseEvent* event) {
    event->ignore();
    ctx_.host.CloseSubWindow(this);
}

}  // namespace tavix
