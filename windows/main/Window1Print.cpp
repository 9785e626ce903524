// Printing both plots on one page.
#include "graph/Graph.h"
#include "platform/Printing.h"
#include "windows/main/Window1.h"

bool Window1::_FilePrint_Action() {
    std::unique_ptr<Graphics> page = OpenPrinterDialog(this);
    if (page) PrintOn(*page); // the page is sent when its context goes
    return true;
}

void Window1::PrintOn(Graphics& page) {
    // Redrawn rather than copied from the pictures: lines and text at the page's resolution.
    Graph1->PrintGraphOn(page);
    page.Translate(0, PageGap);
    Graph2->PrintGraphOn(page);
    page.Translate(0, -PageGap);
}
