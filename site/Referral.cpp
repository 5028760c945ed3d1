#include "site/Referral.h"

#include "services/Browser.h"
#include "services/MessageBoxes.h"
#include "site/SitePages.h"

using namespace Qt::StringLiterals;

namespace site {

namespace {

bool missing(const QString &value, QLatin1String placeholder)
{
    const QString trimmed = trimSpaces(value);
    return trimmed.isEmpty() || trimmed == placeholder;
}

QString queryValue(const QString &typed)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(typed));
}

} // namespace

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
        return u"Please Enter Distinct Email Addresses"_s;
    if (!email.contains(u'@') || !friendEmail.contains(u'@'))
        return u"Please Enter Proper Email Address"_s;
    if (!email.contains(u'.') || !friendEmail.contains(u'.'))
        return u"Please Enter Proper Email Address"_s;
    return std::nullopt;
}

std::optional<QString> referralRefusal(const Referral &referral)
{
    if (missing(referral.name, "Your Name"_L1))
        return u"Please Enter Your Name"_s;
    if (missing(referral.email, "Your Email Address"_L1))
        return u"Please Enter Your Email"_s;
    if (missing(referral.message, "Your Message"_L1))
        return u"Please Enter Your Message"_s;
    if (missing(referral.friendName, "Friend's Name"_L1))
        return u"Please Enter Your Friend's Name"_s;
    if (missing(referral.friendEmail, "Friend's Email Address"_L1))
        return u"Please Enter Your Friend's Email"_s;
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
