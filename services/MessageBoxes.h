#pragma once

#include <QString>

#include <functional>

namespace services {

// Modal message boxes titled with the program's name.
class MessageBoxes {
public:
    enum class Icon { None, Information, Exclamation, Critical };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    struct Message {
        QString text;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        bool operator==(const Message &) const = default;
    };

    virtual ~MessageBoxes() = default;
    // Waits for the answer. Yes is the default button of a Yes/No question.
    virtual Answer show(const Message &message) = 0;
};

class DialogMessageBoxes final : public MessageBoxes {
public:
    // `beforeShowing` runs before each box: a message can come before any window has set up
    // what boxes show, such as the program's icon.
    explicit DialogMessageBoxes(std::function<void()> beforeShowing = {})
        : m_beforeShowing(std::move(beforeShowing))
    {
    }

    Answer show(const Message &message) override;

private:
    std::function<void()> m_beforeShowing;
};

} // namespace services
