#include "services/MessageBoxes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>

#include <memory>

using namespace Qt::StringLiterals;

namespace services {

namespace {

// Boxes have no title of their own: they carry the program's name.
const QString kTitle = QStringLiteral(TARVELLE_NAME);

QMessageBox::Icon dialogIcon(MessageBoxes::Icon icon)
{
    switch (icon) {
    case MessageBoxes::Icon::Information: return QMessageBox::Information;
    case MessageBoxes::Icon::Exclamation: return QMessageBox::Warning;
    case MessageBoxes::Icon::Critical: return QMessageBox::Critical;
    case MessageBoxes::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

// A Yes/No question is answered by Yes or No alone: Esc and the title bar's close choose
// nothing, where Qt would take them for No.
class QuestionBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->matches(QKeySequence::Cancel))
            return;
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent *event) override { event->ignore(); }
};

// The window a message speaks for: the one the user works in, else one on the screen.
QWidget *ownerWindow()
{
    if (QWidget *active = QApplication::activeWindow())
        return active;
    QWidget *shown = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->windowType() == Qt::Popup
            || window->windowType() == Qt::ToolTip)
            continue;
        if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            return window;
        shown = window;
    }
    return shown;
}

} // namespace

MessageBoxes::Answer DialogMessageBoxes::show(const Message &message)
{
    if (m_beforeShowing)
        m_beforeShowing();
    const bool question = message.buttons == Buttons::YesNo;
    // Texts break their lines the Windows way; on screen any CR or CR LF is one line break.
    QString text = message.text;
    text.replace("\r\n"_L1, "\n"_L1).replace(u'\r', u'\n');
    // Owned, the box stands above its window, and above a topmost one as a topmost box.
    QWidget *owner = ownerWindow();
    std::unique_ptr<QMessageBox> box;
    if (question)
        box = std::make_unique<QuestionBox>(dialogIcon(message.icon), kTitle, text,
                                            QMessageBox::Yes | QMessageBox::No, owner);
    else
        box = std::make_unique<QMessageBox>(dialogIcon(message.icon), kTitle, text, QMessageBox::Ok,
                                            owner);
    if (owner && owner->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        box->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(question ? QMessageBox::Yes : QMessageBox::Ok);
    const int result = box->exec();
    if (!question)
        return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

} // namespace services
