// A plot that cannot draw in the middle of an event: the application reports it once and goes
// on delivering events, rather than ending the program. Its own main: the App is the
// application object here.
#include "app/App.h"
#include "graph/Graph.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

namespace {

App* app = nullptr;

TEST(EventBoundary, AGraphErrorIsReportedOnceAndTheEventsGoOn) {
    QStringList reports;
    app->ReportGraphError = [&reports](const QString& m) { reports << m; };
    Graph g; // never defined: drawing on it raises GraphError
    int delivered = 0;
    for (int i = 0; i < 3; ++i) {
        QTimer::singleShot(0, &g, [&g] { g.ReDrawAll(); });
        QTimer::singleShot(0, &g, [&delivered] { ++delivered; });
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(delivered, 3); // every event after a failed one still arrives
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains("ReDrawAll")) << reports[0].toStdString();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    App application(argc, argv);
    app = &application;
    return RUN_ALL_TESTS();
}
