#include "discovery/views/card_list_accessibility.h"

#include "discovery/card_geometry.h"
#include "discovery/views/camera_card_list.h"
#include "platform/camera_text.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <map>
#include <unordered_map>

namespace vistrel {
namespace {

QRect toQRect(const CardRect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

// What the item interfaces share: the list they describe, which may go away before them.
class CardPart : public QAccessibleInterface {
public:
    CardPart(CameraCardList* list, int index) : list_(list), index_(index) {}

    bool isValid() const override { return list_ && index_ < list_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return list_ ? list_->window()->windowHandle() : nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    const _camdev* camera() const {
        const bool listed = isValid() && index_ < list_->cameraList().rowCount();
        return listed ? &list_->cameraList().entry(index_) : nullptr;
    }
    // A rectangle of the list's viewport on the screen.
    QRect onScreen(const QRect& inViewport) const {
        return QRect(list_->viewport()->mapToGlobal(inViewport.topLeft()), inViewport.size());
    }

    QPointer<CameraCardList> list_;
    int index_;
};

// The preview square of one card: opens the camera's live picture.
class PreviewSquareAccessible : public CardPart, public QAccessibleActionInterface {
public:
    using CardPart::CardPart;

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QStringLiteral("Live picture") : QString();
    }
    QRect rect() const override {
        return isValid() ? onScreen(toQRect(previewSquare(cardRect()))) : QRect();
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.disabled = !available();
        state.invisible = !isValid();
        return state;
    }
    QStringList actionNames() const override {
        return available() ? QStringList(pressAction()) : QStringList();
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && available()) {
            list_->pressPreviewSquare(index_);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    CardRect cardRect() const {
        const QRect r = list_->itemRect(index_);
        return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    }
    // Only a camera that is set up shows its live picture (preview picture 2).
    bool available() const {
        const _camdev* shown = camera();
        return shown != nullptr && shown->view == 2;
    }
};

// One card: the camera's name, its model and addresses, and its preview square.
class CardAccessible : public CardPart {
public:
    CardAccessible(CameraCardList* list, int index)
        : CardPart(list, index), previewSquare_(new PreviewSquareAccessible(list, index)) {
        previewSquareId_ = QAccessible::registerAccessibleInterface(previewSquare_);
    }
    ~CardAccessible() override { QAccessible::deleteAccessibleInterface(previewSquareId_); }

    QAccessibleInterface* parent() const override {
        return list_ ? QAccessible::queryAccessibleInterface(list_.data()) : nullptr;
    }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? previewSquare_ : nullptr;
    }
    int childCount() const override { return 1; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child == previewSquare_ ? 0 : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        return previewSquare_->rect().contains(x, y) ? previewSquare_ : nullptr;
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QString text(QAccessible::Text t) const override;
    QRect rect() const override { return isValid() ? onScreen(list_->itemRect(index_)) : QRect(); }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.selectable = true;
        state.focusable = true;
        state.selected = isValid() && list_->currentIndex() == index_;
        state.focused = state.selected && list_->hasFocus();
        state.invisible = !isValid();
        return state;
    }

private:
    PreviewSquareAccessible* previewSquare_;
    QAccessible::Id previewSquareId_ = 0;
};

QString CardAccessible::text(QAccessible::Text t) const {
    const _camdev* shown = camera();
    if (shown == nullptr) {
        return {};
    }
    if (t == QAccessible::Name) {
        return fromCameraText(shown->name);
    }
    if (t != QAccessible::Description) {
        return {};
    }
    const CardLabels labels = list_->labels();
    return QStringList{labels[1] + QStringLiteral(": ") + fromCameraText(shown->model),
                       labels[2] + QStringLiteral(": ") +
                           fromCameraText(shown->ip).remove(QLatin1Char(' ')),
                       labels[3] + QStringLiteral(": ") + fromCameraText(shown->mac)}
        .join(QStringLiteral(", "));
}

QAccessibleInterface* PreviewSquareAccessible::parent() const {
    QAccessibleInterface* list =
        list_ ? QAccessible::queryAccessibleInterface(list_.data()) : nullptr;
    return list ? list->child(index_) : nullptr;
}

// The list: its cards are its children, made when first asked for and kept as long as it.
class CameraCardListAccessible : public QAccessibleWidget {
public:
    explicit CameraCardListAccessible(CameraCardList* list)
        : QAccessibleWidget(list, QAccessible::List) {}
    ~CameraCardListAccessible() override {
        for (const auto& [index, id] : cards_) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override { return list()->count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        auto found = cards_.find(index);
        if (found == cards_.end()) {
            auto* card = new CardAccessible(list(), index);
            found = cards_.emplace(index, QAccessible::registerAccessibleInterface(card)).first;
            indices_.emplace(card, index);
        }
        return QAccessible::accessibleInterface(found->second);
    }
    // A lookup, not a walk over the cards: a screen reader asks this for every card it reads.
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto found = indices_.find(child);
        return found != indices_.end() && found->second < childCount() ? found->second : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint inViewport = list()->viewport()->mapFromGlobal(QPoint(x, y));
        return child(list()->indexAt(inViewport));
    }
    QAccessibleInterface* focusChild() const override { return child(list()->currentIndex()); }

private:
    CameraCardList* list() const { return static_cast<CameraCardList*>(widget()); }

    mutable std::map<int, QAccessible::Id> cards_;
    mutable std::unordered_map<const QAccessibleInterface*, int> indices_;
};

} // namespace

QAccessibleInterface* cameraCardListAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(CameraCardList::staticMetaObject.className())) {
        return new CameraCardListAccessible(static_cast<CameraCardList*>(object));
    }
    return nullptr;
}

} // namespace vistrel
