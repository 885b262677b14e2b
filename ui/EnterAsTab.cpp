#include "ui/EnterAsTab.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace ui {

namespace {

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// Application-wide key filter that acts only on widgets under its root.
class EnterAsTabFilter : public QObject {
public:
    explicit EnterAsTabFilter(QWidget* root) : QObject(root), root_(root) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride) {
            return false;
        }
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr || !IsUnderRoot(widget)) return false;

        auto* key = static_cast<QKeyEvent*>(event);
        if (IsEnter(key->key())) return HandleEnter(widget, key);
        // Esc would reject a dialog; here it does nothing.
        return key->key() == Qt::Key_Escape && type != QEvent::ShortcutOverride;
    }

private:
    bool IsUnderRoot(const QWidget* widget) const {
        // isAncestorOf stops at window borders, so popups and other windows are left alone.
        return root_ != nullptr && (widget == root_ || root_->isAncestorOf(widget));
    }

    static bool HandleEnter(QWidget* widget, QKeyEvent* enter) {
        if (enter->type() == QEvent::ShortcutOverride) {
            // Claim the key for the widget, so no shortcut bound to Enter fires; the key press
            // that follows is turned into Tab below.
            enter->accept();
            return true;
        }
        // Keep the modifiers (Shift makes it Shift+Tab) but drop the keypad mark of keypad Enter.
        const Qt::KeyboardModifiers modifiers = enter->modifiers() & ~Qt::KeypadModifier;
        const int tabKey = modifiers.testFlag(Qt::ShiftModifier) ? Qt::Key_Backtab : Qt::Key_Tab;
        QKeyEvent tab(enter->type(), tabKey, modifiers, QStringLiteral("\t"), enter->isAutoRepeat(),
                      enter->count());
        QCoreApplication::sendEvent(widget, &tab);
        return true;
    }

    QPointer<QWidget> root_;
};

}  // namespace

void InstallEnterAsTab(QWidget* root) { qApp->installEventFilter(new EnterAsTabFilter(root)); }

}  // namespace ui
