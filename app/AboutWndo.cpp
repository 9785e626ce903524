#include "app/AboutWndo.h"

#include "app/Language.h"
#include "app/Resources.h"

#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

AboutWndo::AboutWndo(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("About Wellscope"));
    setAttribute(Qt::WA_DeleteOnClose); // closing destroys it; the next About makes a new one
    resize(589, 584);
    setMinimumSize(64, 64);
    setMaximumSize(32000, 32000);
    HTMLViewer1 = new QTextBrowser(this);
    HTMLViewer1->setObjectName(QStringLiteral("HTMLViewer1"));
    HTMLViewer1->setOpenExternalLinks(true);
    // 20 pixels from the left and right edges, 14 from the top, 20 from the bottom.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 14, 20, 20);
    layout->addWidget(HTMLViewer1);
    Event_Open();
}

void AboutWndo::Event_Open() {
    HTMLViewer1->setHtml(AboutWellscope(LanguageInUse()));
}

AboutWndo* AboutWndo::Show() {
    static QPointer<AboutWndo> open; // the one instance; cleared when it is closed
    if (!open) open = new AboutWndo();
    open->show();
    open->raise();
    open->activateWindow();
    return open;
}
