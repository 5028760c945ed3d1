#include "services/DesktopState.h"

#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace services {

CombinedDesktopState::CombinedDesktopState(std::vector<std::unique_ptr<DesktopState>> parts,
                                           QObject *parent)
    : DesktopState(parent), m_parts(std::move(parts))
{
    for (const auto &part : m_parts)
        connect(part.get(), &DesktopState::mayHaveChanged, this, &DesktopState::mayHaveChanged);
}

CombinedDesktopState::~CombinedDesktopState() = default;

void CombinedDesktopState::ask(Answer answer)
{
    struct Question {
        Answer answer;
        std::size_t waiting = 0;
        Busy busiest = Busy::No;
        bool answered = false;
        // Gone once all have answered, so that it does not wake the program for nothing.
        QPointer<QTimer> bound;
        void finish()
        {
            if (std::exchange(answered, true))
                return;
            if (bound) {
                bound->stop();
                bound->deleteLater();
            }
            answer(busiest);
        }
    };
    auto question = std::make_shared<Question>();
    question->answer = std::move(answer);
    question->waiting = m_parts.size();
    if (m_parts.empty()) {
        question->finish();
        return;
    }
    question->bound = new QTimer(this);
    question->bound->setSingleShot(true);
    connect(question->bound, &QTimer::timeout, this, [question] { question->finish(); });
    question->bound->start(kAnswerWithinMs);
    for (const auto &part : m_parts) {
        part->ask([question](Busy busy) {
            question->busiest = std::max(question->busiest, busy);
            if (--question->waiting == 0)
                question->finish();
        });
    }
}

void CombinedDesktopState::startWatching()
{
    for (const auto &part : m_parts)
        part->startWatching();
}

void CombinedDesktopState::stopWatching()
{
    for (const auto &part : m_parts)
        part->stopWatching();
}

} // namespace services
