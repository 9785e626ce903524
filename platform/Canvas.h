#pragma once

#include "platform/Graphics.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>

// A control that shows what is drawn on its screen drawing context, and reports the mouse to
// its owner. The screen context draws into an image of the control's size that the widget
// shows on every paint, so drawing on it outside a paint event works as on a classic canvas.
//
// Mouse protocol: MouseDown returns whether the press is followed by MouseDrag (repeated while
// the button is held) and one MouseUp; MouseMove comes with the button up; MouseEnter and
// MouseExit when the pointer crosses the control. Coordinates are pixels of the control.
class Canvas : public QWidget {
    Q_OBJECT
  public:
    explicit Canvas(QWidget* parent = nullptr);
    ~Canvas() override;

    std::function<bool(int x, int y)> MouseDown;
    std::function<void(int x, int y)> MouseDrag;
    std::function<void(int x, int y)> MouseUp;
    std::function<void(int x, int y)> MouseMove;
    std::function<void()> MouseEnter;
    std::function<void()> MouseExit;

    // The control's own drawing context (what the user sees). Remade when the size changed, and
    // rebuilt when marked stale, before it is drawn on.
    Graphics& ScreenGraphics();
    // What the control shows now.
    const QImage& ScreenImage();

  protected:
    // Rebuild the screen when it was remade (first show, new size) or marked stale. Default:
    // leave it as it is.
    virtual void Event_Paint(Graphics& screen);
    // The screen is to be rebuilt before it is next shown, read or drawn on: a control updated
    // several times between two paints rebuilds it once.
    void MarkScreenStale();

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    bool ensureScreen();

    QImage screen_;
    std::unique_ptr<Graphics> screenGraphics_;
    bool tracking_ = false; // a press that MouseDown accepted is in progress
    bool stale_ = false;    // Event_Paint is due
};
