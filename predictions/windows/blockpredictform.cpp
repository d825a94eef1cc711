#include "predictions/windows/blockpredictform.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavix {

BlockPredictForm::BlockPredictForm(AppContext& ctx, std::vector<std::string>) : ctx_(ctx) {
    setWindowTitle("Tavix Predictions");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("This window is being built."));
    auto* done = new QPushButton("Done");
    layout->addWidget(done);
    connect(done, &QPushButton::clicked, this, [this] { ctx_.host.CloseSubWindow(this); });
}

void BlockPredictForm::closeEvent(QCloseEvent* event) {
    event->ignore();
    ctx_.host.CloseSubWindow(this);
}

}  // namespace tavix
