#include "platform/system_clock.h"

#include <QDate>

namespace tavix {

Date SystemClock::Today() const {
    const QDate today = QDate::currentDate();
    return Date{today.year(), today.month(), today.day()};
}

}  // namespace tavix
