#include "services/Clock.h"

namespace services {

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

} // namespace services
