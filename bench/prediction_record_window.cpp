// Opening the Prediction Record window on the supplied season: the record built, the lists
// filled and the chart painted once, as the user sees it. The aim is under 100 ms.
#include <benchmark/benchmark.h>
#include <QApplication>

#include "predictions/windows/predrecordform.h"
#include "tests/support/qt/test_context.h"

namespace {

void BM_OpenPredictionRecordWindow(benchmark::State& state) {
    tavix::testing::TestApp app;
    for (auto _ : state) {
        auto* window = new tavix::PredRecordForm(*app.ctx);
        window->show();
        QApplication::processEvents();  // laid out and painted
        state.PauseTiming();
        delete window;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenPredictionRecordWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
