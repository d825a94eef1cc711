#include "reference/windows/webform.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavix {

webform::webform(AppContext& ctx) : ctx_(ctx) {
    setWindowTitle("Tavix");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("This window is being built."));
    auto* done = new QPushButton("Done");
    layout->addWidget(done);
    connect(done, &QPushButton::clicked, this, [this] { ctx_.host.CloseSubWindow(this); });
}

void webform::closeEvent(QCloseEvent* event) {
    event->ignore();
    ctx_.host.CloseSubWindow(this);
}

}  // namespace tavix
