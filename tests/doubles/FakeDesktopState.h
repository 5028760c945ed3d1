#pragma once

#include "services/DesktopState.h"

#include <QList>

// A desktop whose state the test sets; it answers at once unless told to keep its answers back.
class FakeDesktopState final : public services::DesktopState {
    Q_OBJECT

public:
    void ask(Answer answer) override
    {
        ++questions;
        if (holdAnswers)
            pending.append(std::move(answer));
        else
            answer(busy);
    }
    void startWatching() override { watching = true; }
    void stopWatching() override { watching = false; }

    // The desktop changes, and says so where it is being watched.
    void become(services::Busy now)
    {
        busy = now;
        if (watching)
            Q_EMIT mayHaveChanged();
    }
    void answerPending()
    {
        for (const Answer &answer : std::exchange(pending, {}))
            answer(busy);
    }

    services::Busy busy = services::Busy::No;
    bool holdAnswers = false;
    bool watching = false;
    int questions = 0;
    QList<Answer> pending;
};
