#include "graph/GraphAccessible.h"

#include "graph/Graph.h"

#include <QAccessibleWidget>

namespace {

class GraphAccessible : public QAccessibleWidget {
  public:
    explicit GraphAccessible(Graph* g) : QAccessibleWidget(g, QAccessible::Chart) {}

    QString text(QAccessible::Text t) const override {
        const auto* g = static_cast<const Graph*>(widget());
        if (t == QAccessible::Description && g->Summary) return g->Summary();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* forGraph(const QString&, QObject* object) {
    if (auto* g = dynamic_cast<Graph*>(object)) return new GraphAccessible(g);
    return nullptr;
}

} // namespace

void InstallGraphAccessibility() {
    static const bool installed = (QAccessible::installFactory(forGraph), true);
    (void)installed;
}
