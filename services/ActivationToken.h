#pragma once

#include <QString>

namespace services {

// An activation token (the desktop's proof that the user asked for a window) is sent to a
// Wayland compositor in one message, and a message is at most 4096 bytes: the request takes 16
// of them besides the token and its closing zero, padded to four. Qt does not check, and a token
// that does not fit ends the program with a fatal Wayland error.
inline constexpr qsizetype kLongestActivationToken = 4096 - 16 - 1;

// Whether a token can be sent.
inline bool isSendableActivationToken(const QString &token)
{
    return token.toUtf8().size() <= kLongestActivationToken;
}

// Qt takes a token from XDG_ACTIVATION_TOKEN at the next activation, where a tray host may have
// put one (its ProvideXdgActivationToken): one that cannot be sent is dropped from there.
void dropUnsendableActivationToken();

} // namespace services
