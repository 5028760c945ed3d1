#pragma once

class QUrl;

namespace services {

// The user's default browser.
class Browser {
public:
    virtual ~Browser() = default;
    // Failure is silent: the caller carries on as if the page had opened.
    virtual void open(const QUrl &address) = 0;
};

class DesktopBrowser final : public Browser {
public:
    void open(const QUrl &address) override;
};

} // namespace services
