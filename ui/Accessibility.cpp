#include "ui/Accessibility.h"

#include "ui/LinkLabel.h"

#include <QAccessibleWidget>
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

void readAsUnseen(QWidget *widget, QAccessible::Role role)
{
    readAs(widget, role);
    widget->setProperty(kUnseenProperty, true);
}

} // namespace ui
