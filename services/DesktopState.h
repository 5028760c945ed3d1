#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

namespace services {

// What the desktop says of the person at a moment.
enum class Busy {
    No,
    // The desktop's "do not disturb": notifications are kept quietly, windows must wait.
    DoNotDisturb,
    // A full-screen window has the focus: nothing may come up or be sent.
    FullScreen,
};

// Whether the person is busy, asked only at the moments that need it: nothing of it runs
// between them.
class DesktopState : public QObject {
    Q_OBJECT

public:
    using Answer = std::function<void(Busy)>;
    using QObject::QObject;

    // The answer comes later (or at once), and always: a desktop that does not reply in time
    // counts as not busy.
    virtual void ask(Answer answer) = 0;
    // Until stopWatching(), mayHaveChanged() reports what the desktop makes known.
    virtual void startWatching() = 0;
    virtual void stopWatching() = 0;

Q_SIGNALS:
    // Worth asking again.
    void mayHaveChanged();
};

// For a desktop that offers none of the questions: never busy.
class NoDesktopState final : public DesktopState {
    Q_OBJECT

public:
    using DesktopState::DesktopState;
    void ask(Answer answer) override { answer(Busy::No); }
    void startWatching() override {}
    void stopWatching() override {}
};

// Several desktops' questions as one: the busiest answer counts, and an answer missing after a
// short while counts as not busy, so that a silent bus never keeps the card back.
class CombinedDesktopState final : public DesktopState {
    Q_OBJECT

public:
    explicit CombinedDesktopState(std::vector<std::unique_ptr<DesktopState>> parts,
                                  QObject *parent = nullptr);
    ~CombinedDesktopState() override;

    void ask(Answer answer) override;
    void startWatching() override;
    void stopWatching() override;

    // How long the parts are waited for.
    static constexpr int kAnswerWithinMs = 800;

private:
    std::vector<std::unique_ptr<DesktopState>> m_parts;
};

class SessionBus;

// Every question this desktop may answer, each asked only where its desktop is there to answer.
std::unique_ptr<DesktopState> desktopStateHere(SessionBus &bus);

} // namespace services
