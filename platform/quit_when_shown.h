#pragma once
// For start-up timing runs (TAVIX_EXIT_WHEN_SHOWN set): once the watched window has been painted
// and put on the screen, prints one line to standard output,
//     shown <microseconds since the epoch> <peak resident memory so far, in kB>
// and ends the program. The timing script subtracts the time it started the program at, so exit
// work (which differs between programs, and is not start-up) counts in neither figure. A timing
// run is not the user leaving, so it ends without the Exit command's saving of the settings.
// Header-only, so that the bare yardstick program measures itself with the very same code.

#include <sys/resource.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace tavix {

class QuitWhenShown : public QObject {
  public:
    static bool Wanted() { return std::getenv("TAVIX_EXIT_WHEN_SHOWN") != nullptr; }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so the figures are taken after the painted window went to the screen.
            QTimer::singleShot(0, qApp, [] {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("shown %lld %ld\n",
                            static_cast<long long>(
                                std::chrono::duration_cast<std::chrono::microseconds>(now).count()),
                            usage.ru_maxrss);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }
};

}  // namespace tavix
