#pragma once
#include <QWidget>
#include <string>
#include <vector>

#include "platform/app_context.h"

namespace tavix {

// Placeholder until this window is built. `blockLines` are the selected schedule lines as shown.
class BlockPredictForm : public QWidget {
    Q_OBJECT
public:
    BlockPredictForm(AppContext& ctx, std::vector<std::string> blockLines);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    AppContext& ctx_;
};

}  // namespace tavix
