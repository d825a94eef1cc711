#include "platform/command_line.h"

#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>

namespace tavix {
namespace {

// What QGuiApplication and QApplication take from the command line, read before them so they are
// not taken for unknown options.
const char* const kQtValueOptions[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "geometry",
    "qwindowicon", "qwindowtitle",       "display",       "style",  "stylesheet",      "session",
    "title"};
const char* const kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

const char kDescription[] =
    "Tavix follows the 1998-99 NBA season: the schedule, the team statistics, the standings,\n"
    "team ratings, game predictions and a play-off forecast, all printable.\n"
    "The data files are read from the current folder when it holds any of them (TavixSE.dat,\n"
    "TavixSC.dat, TavixNM.dat or Tavixro.dat, in any letter case), otherwise from\n"
    "~/.local/share/Tavix/Tavix (filled from the supplied files on the first start).\n"
    "Without a display (DISPLAY or WAYLAND_DISPLAY) Tavix says so and exits with status 1.\n"
    "The manual page tavix(1) describes the files and the environment; tavix-lists(1) prints the\n"
    "same lists on the command line.";

void Print(std::FILE* to, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), to);
}

}  // namespace

std::optional<int> HandleCommandLine(int argc, char** argv, const char* version) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QString::fromLatin1(kDescription));
    const QCommandLineOption help({"h", "help"}, "Print this help and exit.");
    const QCommandLineOption showVersion({"v", "version"}, "Print the name and version and exit.");
    parser.addOption(help);
    parser.addOption(showVersion);
    for (const char* name : kQtValueOptions) {
        QCommandLineOption qt(QString::fromLatin1(name), QString(), "value");
        qt.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qt);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption qt(QString::fromLatin1(name));
        qt.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qt);
    }

    const bool parsed = parser.parse(arguments);
    // Without an application object Qt cannot name the program in the usage line.
    QString helpText = parser.helpText();
    helpText.replace("<executable_name>", "tavix");
    if (parsed && !parser.positionalArguments().isEmpty()) {
        Print(stderr,
              "tavix: unexpected argument: " + parser.positionalArguments().first() + "\n" + helpText);
        return 2;
    }
    if (!parsed) {
        Print(stderr, "tavix: " + parser.errorText() + "\n" + helpText);
        return 2;
    }
    if (parser.isSet(help)) {
        Print(stdout, helpText);
        return 0;
    }
    if (parser.isSet(showVersion)) {
        Print(stdout, QString("tavix %1\n").arg(QString::fromLatin1(version)));
        return 0;
    }
    return std::nullopt;
}

}  // namespace tavix
