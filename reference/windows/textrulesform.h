#pragma once
#include <QWidget>

#include "platform/app_context.h"

namespace tavix {

// Placeholder until this window is built: opens and closes like every sub-window.
class textrulesform : public QWidget {
    Q_OBJECT
public:
    explicit textrulesform(AppContext& ctx);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    AppContext& ctx_;
};

}  // namespace tavix
