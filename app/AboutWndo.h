#pragma once

#include <QWidget>

class QTextBrowser;

// The About window: the About page in an HTML viewer that follows the window's size.
class AboutWndo : public QWidget {
    Q_OBJECT
  public:
    explicit AboutWndo(QWidget* parent = nullptr);

    QTextBrowser* HTMLViewer1 = nullptr;

  private:
    void Event_Open();
};
