#pragma once

#include "services/MessageBoxes.h"

#include <QList>
#include <QTest>

#include <functional>

// Remembers every message and answers questions from a script. A question the script does not
// answer fails the test: an answer nobody chose would hide which way the program went.
class RecordingMessageBoxes final : public services::MessageBoxes {
public:
    Answer show(const Message &message) override
    {
        shown.append(message);
        if (whileOpen)
            whileOpen(message);
        if (message.buttons == Buttons::Ok)
            return Answer::Ok;
        if (answers.isEmpty()) {
            const QString why = QStringLiteral("Question with no scripted answer: ") + message.text;
            QTest::qFail(qPrintable(why), __FILE__, __LINE__);
            return Answer::No;
        }
        return answers.takeFirst();
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
