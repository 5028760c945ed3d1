#pragma once

#include <QString>
#include <QUrl>

#include <optional>

namespace services {
class Browser;
class MessageBoxes;
} // namespace services

namespace site {

// What the exit screen's refer-a-friend form last submitted.
struct Referral {
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

// The boxes of the refer-a-friend form.
enum class ReferralBox { Name, Email, Message, FriendName, FriendEmail };

// What a box shows until something is typed in it, in the reader's language; a box still showing
// it counts as empty.
QString referralCaption(ReferralBox box);

// Only blanks count as padding; a line break at either end is part of the text.
QString trimSpaces(const QString &text);

// The first of the form's address checks that fails, with its message.
std::optional<QString> emailRefusal(const Referral &referral);
// The first missing value, with its message.
std::optional<QString> referralRefusal(const Referral &referral);

// The referral page with the six values. Typed text is percent-encoded as UTF-8, so nothing
// typed can change the host, the page or the parameters; "+" travels as %2B because the site
// decodes its query as a form does.
QUrl referralAddress(const Referral &referral);

// Checks the stored values and, when they are complete, opens the referral address.
void sendReferral(const Referral &referral, services::MessageBoxes &messages,
                  services::Browser &browser);

} // namespace site
