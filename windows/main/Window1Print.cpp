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
    page.DrawPicture(*Graph1->GXP, 0, 0);
    page.DrawPicture(*Graph2->GXP, 0, 220);
}
