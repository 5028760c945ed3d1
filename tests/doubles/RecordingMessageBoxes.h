#pragma once

#include "services/MessageBoxes.h"

#include <QList>

#include <functional>

// Remembers every message and answers from a script: Yes to questions unless told otherwise.
class RecordingMessageBoxes final : public services::MessageBoxes {
public:
    Answer show(const Message &message) override
    {
        shown.append(message);
        if (whileOpen)
            whileOpen(message);
        if (message.buttons == Buttons::Ok)
            return Answer::Ok;
        return answers.isEmpty() ? Answer::Yes : answers.takeFirst();
    }

    QStringList texts() const
    {
        QStringList result;
        for (const Message &message : shown)
            result.append(message.text);
        return result;
    }

    QList<Message> shown;
    QList<Answer> answers;
    std::function<void(const Message &)> whileOpen;
};
