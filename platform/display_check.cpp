#include "platform/display_check.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace tavix {
namespace {

// The context's texts are the caller's static strings: they outlive the message.
struct Held {
    QtMsgType type;
    const char *file, *function, *category;
    int line;
    QString text;
};
std::vector<Held>* held = nullptr;
QtMessageHandler previous = nullptr;

[[noreturn]] void NoDisplay(const QString& why) {
    std::fprintf(stderr, "tavix: cannot open a display: %s\n", why.toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(1);
}

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // The first warning names the display that failed ("could not connect to display :5");
        // the fatal message only says no plugin could start.
        for (const Held& h : *held)
            if (h.type == QtWarningMsg) NoDisplay(h.text);
        NoDisplay(text.section('\n', 0, 0));
    }
    held->push_back({type, context.file, context.function, context.category, context.line, text});
}

bool Named(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

}  // namespace

DisplayCheck::DisplayCheck(int argc, char** argv) {
    bool platformArgument = false;
    for (int i = 1; i < argc; ++i)
        platformArgument = platformArgument || std::strcmp(argv[i], "-platform") == 0 ||
                           std::strcmp(argv[i], "--platform") == 0;
    if (!platformArgument && !Named("QT_QPA_PLATFORM") && !Named("DISPLAY") && !Named("WAYLAND_DISPLAY"))
        NoDisplay("neither DISPLAY nor WAYLAND_DISPLAY is set (QT_QPA_PLATFORM=offscreen runs without one)");
    held = new std::vector<Held>;
    previous = qInstallMessageHandler(Hold);
}

DisplayCheck::~DisplayCheck() {
    qInstallMessageHandler(previous);
    for (const Held& h : *held)
        qt_message_output(h.type, QMessageLogContext(h.file, h.line, h.function, h.category), h.text);
    delete held;
    held = nullptr;
}

}  // namespace tavix
