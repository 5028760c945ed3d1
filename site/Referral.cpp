#include "site/Referral.h"

#include "services/Browser.h"
#include "services/MessageBoxes.h"
#include "site/SitePages.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace site {

namespace {

bool missing(const QString &value, ReferralBox box)
{
    const QString trimmed = trimSpaces(value);
    return trimmed.isEmpty() || trimmed == referralCaption(box);
}

QString refusal(const char *text)
{
    return QCoreApplication::translate("Referral", text);
}

QString queryValue(const QString &typed)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(typed));
}

} // namespace

QString referralCaption(ReferralBox box)
{
    switch (box) {
    case ReferralBox::Name: return QCoreApplication::translate("Referral", "Your Name");
    case ReferralBox::Email: return QCoreApplication::translate("Referral", "Your Email Address");
    case ReferralBox::Message: return QCoreApplication::translate("Referral", "Your Message");
    case ReferralBox::FriendName: return QCoreApplication::translate("Referral", "Friend's Name");
    case ReferralBox::FriendEmail:
        return QCoreApplication::translate("Referral", "Friend's Email Address");
    }
    return {};
}

QString trimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

std::optional<QString> emailRefusal(const Referral &referral)
{
    const QString email = trimSpaces(referral.email);
    const QString friendEmail = trimSpaces(referral.friendEmail);
    if (email == friendEmail)
        return refusal(QT_TRANSLATE_NOOP("Referral", "Please Enter Distinct Email Addresses"));
    if (!email.contains(u'@') || !friendEmail.contains(u'@'))
        return refusal(QT_TRANSLATE_NOOP("Referral", "Please Enter Proper Email Address"));
    if (!email.contains(u'.') || !friendEmail.contains(u'.'))
        return refusal(QT_TRANSLATE_NOOP("Referral", "Please Enter Proper Email Address"));
    return std::nullopt;
}

std::optional<QString> referralRefusal(const Referral &referral)
{
    if (missing(referral.name, ReferralBox::Name))
        return refusal(QT_TRANSLATE_NOOP("Referral", "Please Enter Your Name"));
    if (missing(referral.email, ReferralBox::Email))
        return refusal(QT_TRANSLATE_NOOP("Referral", "Please Enter Your Email"));
    if (missing(referral.message, ReferralBox::Message))
        return refusal(QT_TRANSLATE_NOOP("Referral", "Please Enter Your Message"));
    if (missing(referral.friendName, ReferralBox::FriendName))
        return refusal(QT_TRANSLATE_NOOP("Referral", "Please Enter Your Friend's Name"));
    if (missing(referral.friendEmail, ReferralBox::FriendEmail))
        return refusal(QT_TRANSLATE_NOOP("Referral", "Please Enter Your Friend's Email"));
    return std::nullopt;
}

QUrl referralAddress(const Referral &referral)
{
    const QString address =
        pageAddress(pages::ReferAFriend).toString(QUrl::FullyEncoded) + "&taf1="_L1
        + queryValue(referral.name) + "&taf2="_L1 + queryValue(referral.email) + "&taf3="_L1
        + queryValue(referral.message) + "&taf4="_L1 + queryValue(referral.friendName) + "&taf5="_L1
        + queryValue(referral.friendEmail) + "&taf6="_L1 + productAddress();
    return QUrl(address, QUrl::StrictMode);
}

void sendReferral(const Referral &referral, services::MessageBoxes &messages,
                  services::Browser &browser)
{
    if (const std::optional<QString> refusal = referralRefusal(referral)) {
        messages.show({*refusal, services::MessageBoxes::Icon::Critical,
                       services::MessageBoxes::Buttons::Ok});
        return;
    }
    browser.open(referralAddress(referral));
}

} // namespace site
