#include "app/MessageBoxes.h"

#include "app/ProgramIcon.h"

#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace app {

namespace {

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

} // namespace

MessageBoxes::Answer DialogMessageBoxes::show(const Message &message)
{
    // A message can come before any window has shown the program's icon.
    useProgramIconForWindows();
    const bool question = message.buttons == Buttons::YesNo;
    // Texts break their lines the Windows way; on screen any CR or CR LF is one line break.
    QString text = message.text;
    text.replace("\r\n"_L1, "\n"_L1).replace(u'\r', u'\n');
    QMessageBox box(dialogIcon(message.icon), u"Tarvelle"_s, text,
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(question ? QMessageBox::Yes : QMessageBox::Ok);
    const int result = box.exec();
    if (!question)
        return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

} // namespace app
