// Stepping the season replay one game day in the main window, with the standings or the whole
// second-half schedule on show and the window painted again, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>

#include "core/data_files.h"
#include "tests/support/manual_timers.h"
#include "tests/support/recording_printer.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/main/windows/form2.h"
#include "ui/main/windows/replay_commands.h"

namespace {

using namespace tavix;

class NoHelp : public HelpLauncher {
  public:
    void ShowHelpTopic(const std::string&) override {}
    void ShowHelpSearch() override {}
};

// Argument 0: the standings on show; 1: the second half of the schedule.
void BM_ReplayStepWithTheViewRedrawn(benchmark::State& state) {
    NBA nba;
    tavix::testing::ScriptedDialogs dialogs;
    tavix::testing::FixedClock clock;
    tavix::testing::RecordingPrinterProvider printers;
    NoHelp help;
    const std::string data = std::string(TAVIX_SOURCE_DIR) + "/data";
    tavix::testing::ManualTimers timers;
    Form2 main(nba, dialogs, clock, timers, printers, help, data);
    main.Form_Load("/nonexistent/TVX.ini");
    main.show();
    ReplayCommands& replay = main.Replay();
    const std::vector<Date> days = GameDays(ScheduledGames(nba));
    if (days.empty()) {
        state.SkipWithError("no game days in the supplied data");
        return;
    }
    replay.ShowDay(days.front());
    if (state.range(0) == 0)
        main.standingsmenu_Click();
    else
        main.Sechalfmenu_Click();
    QCoreApplication::processEvents();
    bool forward = true;
    for (auto _ : state) {
        // Back and forth across the season, one game day at a time.
        if (forward ? !replay.Replay()->NextDay() : !replay.Replay()->PreviousDay()) forward = !forward;
        forward ? replay.replaynextmenu_Click() : replay.replayprevmenu_Click();
        main.repaint();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ReplayStepWithTheViewRedrawn)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
