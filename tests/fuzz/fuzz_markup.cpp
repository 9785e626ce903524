// Any markup is measured, encoded and drawn at any anchor, leaving the drawing context as it was.
#include "graph/Graph.h"
#include "platform/GraphicsState.h"

#include <QApplication>

#include <cstdint>
#include <cstdlib>

static Graph* graph = nullptr;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    graph = new Graph();
    graph->resize(450, 204);
    graph->DepthQuery = [] { return 32; };
    graph->Event_Open();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int anchor = data[0] % 11;
    const QString markup =
        QString::fromUtf8(reinterpret_cast<const char*>(data) + 1, int(size - 1));
    Graphics& gx = *graph->GX;
    const GraphicsState before = StateOf(gx);

    const QString encoded = graph->SetSString(markup);
    graph->DrawSString(encoded, 200, 100, anchor);
    graph->DrawSString(markup, 200, 100, anchor); // not encoded: drawn as it comes
    (void)graph->GetSSHeight(encoded);
    (void)graph->GetSSWidth(encoded);
    (void)graph->GetSString(encoded);
    (void)graph->SetSSLineH(markup, anchor * 7);
    if (!(StateOf(gx) == before)) std::abort();
    return 0;
}
