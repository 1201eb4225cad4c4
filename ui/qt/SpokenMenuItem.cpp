#include "ui/qt/SpokenMenuItem.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

constexpr char kSpokenName[] = "bazelotSpokenName";

// A menu item as Qt's own accessible object for it shows one, named as given.
class SpokenMenuItem final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit SpokenMenuItem(QAction* action)
        : m_action(action) {}

    bool isValid() const override { return m_action && owner(); }
    QObject* object() const override { return m_action; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(owner()); }
    int childCount() const override { return m_action->menu() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && m_action->menu() ? QAccessible::queryAccessibleInterface(m_action->menu())
                                              : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && m_action->menu() && child->object() == m_action->menu() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    void setText(QAccessible::Text, const QString&) override {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return m_action->property(kSpokenName).toString();
        if (t == QAccessible::Accelerator)
            return QKeySequence::mnemonic(m_action->text()).toString(QKeySequence::NativeText);
        return {};
    }
    QRect rect() const override {
        QWidget* widget = owner();
        QRect place;
        if (auto* bar = qobject_cast<QMenuBar*>(widget))
            place = bar->actionGeometry(m_action);
        else if (auto* menu = qobject_cast<QMenu*>(widget))
            place = menu->actionGeometry(m_action);
        return widget ? place.translated(widget->mapToGlobal(QPoint())) : place;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        QWidget* widget = owner();
        state.invisible = !widget || !widget->isVisible() || !m_action->isVisible();
        QAction* active = nullptr;
        if (auto* bar = qobject_cast<QMenuBar*>(widget))
            active = bar->activeAction();
        else if (auto* menu = qobject_cast<QMenu*>(widget))
            active = menu->activeAction();
        state.focused = active == m_action;
        state.disabled = !m_action->isEnabled();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {m_action->menu() ? showMenuAction() : pressAction()}; }
    void doAction(const QString& name) override {
        if (!m_action->isEnabled())
            return;
        if (name == pressAction())
            m_action->trigger();
        else if (auto* bar = qobject_cast<QMenuBar*>(owner()); bar && name == showMenuAction())
            bar->setActiveAction(m_action);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    // The menu bar or menu that shows the item.
    QWidget* owner() const {
        if (!m_action)
            return nullptr;
        for (QObject* object : m_action->associatedObjects()) {
            if (qobject_cast<QMenuBar*>(object) || qobject_cast<QMenu*>(object))
                return static_cast<QWidget*>(object);
        }
        return nullptr;
    }

    QPointer<QAction> m_action;
};

QAccessibleInterface* spokenMenuItem(const QString&, QObject* object) {
    auto* action = qobject_cast<QAction*>(object);
    return action && action->property(kSpokenName).isValid() ? new SpokenMenuItem(action) : nullptr;
}

} // namespace

void setSpokenName(QAction* action, const QString& name) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(spokenMenuItem);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    action->setProperty(kSpokenName, name);
}
