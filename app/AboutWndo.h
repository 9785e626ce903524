#pragma once

#include <QWidget>

class QTextBrowser;

// The About window: the About page in an HTML viewer that follows the window's size.
class AboutWndo : public QWidget {
    Q_OBJECT
  public:
    explicit AboutWndo(QWidget* parent = nullptr);

    // The About window: the open one brought to the front, or a new one when none is open.
    // Closing it destroys it.
    static AboutWndo* Show();

    QTextBrowser* HTMLViewer1 = nullptr;

  private:
    void Event_Open();
};
