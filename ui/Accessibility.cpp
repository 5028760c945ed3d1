#include "ui/Accessibility.h"

#include "ui/LinkLabel.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QEvent>
#include <QPlainTextEdit>
#include <QWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace ui {

namespace {

constexpr const char *kRoleProperty = "tarvelleAccessibleRole";
constexpr const char *kUnseenProperty = "tarvelleAccessibleUnseen";

class LinkAccessible final : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel *link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override
    {
        // Its own words, not the caption of the frame around it.
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const LinkLabel *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            static_cast<LinkLabel *>(widget())->activate();
        else
            QAccessibleWidget::doAction(action);
    }
};

class RoleAccessible : public QAccessibleWidget {
public:
    RoleAccessible(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    bool unseen() const { return widget()->property(kUnseenProperty).toBool(); }

    QString text(QAccessible::Text kind) const override
    {
        // A drawn outline says nothing, not even the caption of the frame it lies in.
        if (role() == QAccessible::Client)
            return {};
        QString text = QAccessibleWidget::text(kind);
        // A box's own text is what it holds, so that it reads even where it is not seen.
        if (kind == QAccessible::Value && text.isEmpty())
            text = widget()->property("plainText").toString();
        return text;
    }

    // What lies inside an unseen widget is unseen too.
    int childCount() const override { return unseen() ? 0 : QAccessibleWidget::childCount(); }
    QAccessibleInterface *child(int index) const override
    {
        return unseen() ? nullptr : QAccessibleWidget::child(index);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (unseen()) {
            state.invisible = true;
            state.offscreen = true;
        }
        return state;
    }
};

class CurrentOnFocus final : public QObject {
public:
    explicit CurrentOnFocus(QAbstractItemView *view) : QObject(view), m_view(view)
    {
        view->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Qt tells of the view itself after this event; the entry is told after that, so that
        // it is where the reader stays.
        if (watched == m_view && event->type() == QEvent::FocusIn && QAccessible::isActive())
            QMetaObject::invokeMethod(
                this, [this] { tell(); }, Qt::QueuedConnection);
        return false;
    }

private:
    void tell() const
    {
        const QModelIndex current = m_view->currentIndex();
        QAccessibleInterface *view = QAccessible::queryAccessibleInterface(m_view);
        QAccessibleTableInterface *table = view ? view->tableInterface() : nullptr;
        if (!m_view->hasFocus() || !current.isValid() || !table)
            return;
        QAccessibleInterface *entry = table->cellAt(current.row(), current.column());
        const int child = entry ? view->indexOfChild(entry) : -1;
        if (child < 0)
            return;
        QAccessibleEvent focus(m_view, QAccessible::Focus);
        focus.setChild(child);
        QAccessible::updateAccessibility(&focus);
    }

    QAbstractItemView *m_view;
};

// A text box read as its role: its text is read and written as a text box's, so that a reader
// knows it can be typed into, and the box's own caret and text events have something to tell of.
class PlainTextAccessible final : public RoleAccessible,
                                  public QAccessibleTextInterface,
                                  public QAccessibleEditableTextInterface {
public:
    PlainTextAccessible(QPlainTextEdit *box, QAccessible::Role role) : RoleAccessible(box, role) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return RoleAccessible::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = RoleAccessible::state();
        state.readOnly = box()->isReadOnly();
        state.editable = !state.readOnly;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        const QTextCursor cursor = box()->textCursor();
        const bool has = selectionIndex == 0 && cursor.hasSelection();
        *startOffset = has ? cursor.selectionStart() : 0;
        *endOffset = has ? cursor.selectionEnd() : 0;
    }
    int selectionCount() const override { return box()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex != 0)
            return;
        QTextCursor cursor = box()->textCursor();
        cursor.clearSelection();
        box()->setTextCursor(cursor);
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex == 0)
            box()->setTextCursor(cursorOver(startOffset, endOffset));
    }
    int cursorPosition() const override { return box()->textCursor().position(); }
    void setCursorPosition(int position) override
    {
        box()->setTextCursor(cursorOver(position, position));
    }
    QString text(int startOffset, int endOffset) const override
    {
        return box()->toPlainText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return box()->document()->characterCount() - 1; }
    QRect characterRect(int offset) const override
    {
        const QRect caret = box()->cursorRect(cursorOver(offset, offset));
        return caret.translated(box()->viewport()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorForPosition(box()->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        // Scrolled as the box scrolls to its own caret, leaving the caret where it was.
        const QTextCursor caret = box()->textCursor();
        box()->setTextCursor(cursorOver(startIndex, endIndex));
        box()->ensureCursorVisible();
        box()->setTextCursor(caret);
    }
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        // Plain text: one run without attributes.
        Q_UNUSED(offset);
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    void deleteText(int startOffset, int endOffset) override
    {
        cursorOver(startOffset, endOffset).removeSelectedText();
    }
    void insertText(int offset, const QString &text) override
    {
        cursorOver(offset, offset).insertText(text);
    }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        cursorOver(startOffset, endOffset).insertText(text);
    }

private:
    QPlainTextEdit *box() const { return static_cast<QPlainTextEdit *>(widget()); }

    QTextCursor cursorOver(int startOffset, int endOffset) const
    {
        QTextCursor cursor(box()->document());
        const int end = characterCount();
        cursor.setPosition(std::clamp(startOffset, 0, end));
        cursor.setPosition(std::clamp(endOffset, 0, end), QTextCursor::KeepAnchor);
        return cursor;
    }
};

QAccessibleInterface *kitInterface(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == "ui::LinkLabel"_L1)
        return new LinkAccessible(static_cast<LinkLabel *>(widget));
    const QVariant role = widget->property(kRoleProperty);
    // Only for the widget's own class: its base classes' names come here afterwards.
    if (!role.isValid() || className != QLatin1StringView(widget->metaObject()->className()))
        return nullptr;
    const auto readAs = static_cast<QAccessible::Role>(role.toInt());
    if (auto *box = qobject_cast<QPlainTextEdit *>(widget))
        return new PlainTextAccessible(box, readAs);
    return new RoleAccessible(widget, readAs);
}

void installOnce()
{
    static const bool installed = [] {
        QAccessible::installFactory(&kitInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

void installKitAccessibility()
{
    installOnce();
}

void readAs(QWidget *widget, QAccessible::Role role)
{
    installOnce();
    widget->setProperty(kRoleProperty, static_cast<int>(role));
}

void readCurrentOnFocus(QAbstractItemView *view)
{
    new CurrentOnFocus(view);
}

void readAsUnseen(QWidget *widget, QAccessible::Role role)
{
    readAs(widget, role);
    widget->setProperty(kUnseenProperty, true);
}

} // namespace ui
