#include "reference/windows/textrulesform.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavix {

textrulesform::textrulesform(AppContext& ctx) : ctx_(ctx) {
    setWindowTitle("Tavix Basic Rules & Information for Beginners");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("This window is being built."));
    auto* done = new QPushButton("Done");
    layout->addWidget(done);
    connect(done, &QPushButton::clicked, this, [this] { ctx_.host.CloseSubWindow(this); });
}

void textrulesform::closeEvent(QCloseEvent* event) {
    event->ignore();
    ctx_.host.CloseSubWindow(this);
}

}  // namespace tavix
