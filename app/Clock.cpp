#include "app/Clock.h"

namespace app {

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

} // namespace app
