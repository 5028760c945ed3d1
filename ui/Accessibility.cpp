#include "ui/Accessibility.h"

#include "ui/LinkLabel.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QEvent>
#include <QWidget>

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

class RoleAccessible final : public QAccessibleWidget {
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

QAccessibleInterface *kitInterface(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == "ui::LinkLabel"_L1)
        return new LinkAccessible(static_cast<LinkLabel *>(widget));
    const QVariant role = widget->property(kRoleProperty);
    // Only for the widget's own class: its base classes' names come here afterwards.
    if (role.isValid() && className == QLatin1StringView(widget->metaObject()->className()))
        return new RoleAccessible(widget, static_cast<QAccessible::Role>(role.toInt()));
    return nullptr;
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
