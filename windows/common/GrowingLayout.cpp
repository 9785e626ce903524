#include "windows/common/GrowingLayout.h"

#include <QWidget>
#include <QWidgetItem>

#include <cmath>

GrowingLayout::GrowingLayout(QWidget* parent, QSize base) : QLayout(parent), base_(base) {
    setContentsMargins(0, 0, 0, 0);
}

GrowingLayout::~GrowingLayout() {
    while (QLayoutItem* item = takeAt(0)) delete item;
}

void GrowingLayout::Add(QWidget* w, QRect placed, Growth growth) {
    addChildWidget(w);
    entries_.append({new QWidgetItem(w), placed, growth});
    invalidate();
}

void GrowingLayout::addItem(QLayoutItem* item) {
    entries_.append({item, item->geometry(), {}});
}

int GrowingLayout::count() const {
    return int(entries_.size());
}

QLayoutItem* GrowingLayout::itemAt(int index) const {
    return index >= 0 && index < entries_.size() ? entries_[index].item : nullptr;
}

QLayoutItem* GrowingLayout::takeAt(int index) {
    if (index < 0 || index >= entries_.size()) return nullptr;
    return entries_.takeAt(index).item;
}

QSize GrowingLayout::sizeHint() const {
    return base_;
}

QSize GrowingLayout::minimumSize() const {
    return base_;
}

QRect GrowingLayout::Place(QRect placed, Growth growth, QSize size, bool rightToLeft) const {
    const double dx = std::max(0, size.width() - base_.width());
    const double dy = std::max(0, size.height() - base_.height());
    auto share = [](double extra, double part) { return int(std::lround(extra * part)); };
    QRect r(placed.x() + share(dx, growth.moveX), placed.y() + share(dy, growth.moveY),
            placed.width() + share(dx, growth.width), placed.height() + share(dy, growth.height));
    if (rightToLeft) r.moveLeft(std::max(size.width(), base_.width()) - r.x() - r.width());
    return r;
}

void GrowingLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    const bool rtl = parentWidget() && parentWidget()->isRightToLeft();
    // The widgets themselves, hidden ones too: a control shown later is already in place.
    for (const Entry& e : entries_)
        if (QWidget* w = e.item->widget())
            w->setGeometry(Place(e.placed, e.growth, rect.size(), rtl).translated(rect.topLeft()));
}
