#pragma once

// A layout for a window drawn at fixed pixel positions that may still be resized: at its own
// size every widget sits exactly where it was placed; a larger window hands the extra width
// and height to the widgets that take it (the plots), and the others move along with the edge
// they keep to. Right to left (-reverse), every position is mirrored.

#include <QLayout>
#include <QList>
#include <QRect>
#include <QSize>

class GrowingLayout : public QLayout {
  public:
    // How a widget takes the extra size: its share of the extra width and height (0 ... 1),
    // and where it moves: by these shares of the extra width and height.
    struct Growth {
        double width = 0, height = 0, moveX = 0, moveY = 0;
    };

    // `base`: the size at which every widget sits where it was placed.
    GrowingLayout(QWidget* parent, QSize base);
    ~GrowingLayout() override;

    // `w` at `placed` (at the base size), taking the extra size as `growth` says.
    void Add(QWidget* w, QRect placed, Growth growth);

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

    // Where a widget placed at `placed` goes in a window of size `size`.
    QRect Place(QRect placed, Growth growth, QSize size, bool rightToLeft) const;

  private:
    struct Entry {
        QLayoutItem* item;
        QRect placed;
        Growth growth;
    };
    QList<Entry> entries_;
    QSize base_;
};
