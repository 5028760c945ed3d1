#include "services/ActivationToken.h"

namespace services {

void dropUnsendableActivationToken()
{
    if (qEnvironmentVariable("XDG_ACTIVATION_TOKEN").toUtf8().size() > kLongestActivationToken)
        qunsetenv("XDG_ACTIVATION_TOKEN");
}

} // namespace services
