// The transmission and resonances commands in process: their CSV, and the mistakes they name.
#include "app/CommandLine.h"
#include "app/Commands.h"
#include "solver/core/Constants.h"
#include "windows/main/Window1.h"

#include "tests/common/Textbook.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <cmath>

namespace {

struct Outcome {
    int status = -1;
    QStringList rows;
    QString err;
};

// As `wellscope LINE` would do it: parsed, then run on a fresh window if that succeeds.
Outcome run(const QString& line) {
    const ParsedCommand p = ParseCommandLine(line.split(' ', Qt::SkipEmptyParts));
    Outcome r{-1, {}, p.error};
    if (p.error.isEmpty()) {
        Window1 w;
        QString out;
        QTextStream o(&out), e(&r.err);
        r.status = RunCommand(p.command, w, o, e);
        o.flush();
        r.rows = out.split('\n', Qt::SkipEmptyParts);
    }
    return r;
}

double field(const QString& row, int n) {
    return row.section(',', n, n).toDouble();
}

// The digits of a number's mantissa from its first non-zero one.
int significantDigits(QString number) {
    number = number.section('e', 0, 0).remove('.').remove('-');
    while (number.startsWith('0')) number.remove(0, 1);
    return int(number.size());
}

} // namespace

TEST(TransmissionCommand, CsvOfTheGridAndTheContinuumWithEmptyCellsWhereALeadIsClosed) {
    QLocale::setDefault(QLocale(QLocale::German)); // a decimal comma must not reach the CSV
    Outcome r = run("transmission --potential barrier --width 0.5 --height 5 --from 0 --to 8 "
                    "--step 2 --exact");
    QLocale::setDefault(QLocale::c());
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    ASSERT_EQ(r.rows.size(), 6);
    EXPECT_EQ(r.rows[0], "energy_eV,transmission,reflection,exact_transmission");
    int digits = 0;               // the most significant digits of a T
    EXPECT_EQ(r.rows[1], "0,,,"); // at the leads' level no wave travels
    for (int k = 2; k <= 5; ++k) {
        const double e = 2 * (k - 1), t = field(r.rows[k], 1);
        EXPECT_EQ(r.rows[k].section(',', 0, 0), QString::number(e));
        EXPECT_NEAR(t + field(r.rows[k], 2), 1, 1e-9); // ten digits each
        EXPECT_NEAR(field(r.rows[k], 3) / textbook::BarrierT(e, 5, 0.5), 1, 1e-9) << e;
        // The grid's 49 points at 5 eV make a 0.49 nm barrier.
        EXPECT_NEAR(t / textbook::BarrierT(e, 5, 0.49), 1, 0.01) << e;
        digits = std::max(digits, significantDigits(r.rows[k].section(',', 1, 1)));
    }
    EXPECT_EQ(digits, 10);
    r = run("transmission --potential step --height 5 --from 4.5 --to 6 --step 0.5 --mass 1");
    ASSERT_EQ(r.rows.size(), 5);
    EXPECT_EQ(r.rows.mid(1, 2), (QStringList{"4.5,,", "5,,"}));
    EXPECT_NEAR(field(r.rows[4], 1), textbook::StepT(6, 5), 2e-3);
    // 100 000 rows at most; 0.3 / 0.1 is 2.999... but still four rows.
    EXPECT_EQ(run("transmission --from 0 --to 0.3 --step 0.1").rows.size(), 5);
    const ParsedCommand most =
        ParseCommandLine(QString("transmission --from 0 --to 9.9999 --step 0.0001").split(' '));
    EXPECT_EQ(std::pair(most.error, most.command.steps), std::pair(QString(), 99999));
}

TEST(TransmissionCommand, ResonancesOfTheDoubleBarrierAndMistakesNameTheOption) {
    Outcome r = run("resonances --potential double-barrier --to 5");
    ASSERT_EQ(r.status, 0);
    ASSERT_GE(r.rows.size(), 4);
    EXPECT_EQ(r.rows[0], "energy_eV,width_eV,lifetime_fs,peak_transmission");
    for (int k = 1; k < r.rows.size(); ++k) {
        EXPECT_LT(field(r.rows[k], 0), 5);
        EXPECT_NEAR(field(r.rows[k], 3), 1, 1e-6); // symmetric: a peak passes everything
        // The lifetime is hbar / width with hbar = 6.582119569e-16 eV s.
        EXPECT_NEAR(field(r.rows[k], 1) * field(r.rows[k], 2), 0.6582119569, 1e-4);
    }
    EXPECT_LT(field(r.rows[1], 1), field(r.rows[2], 1)); // the lowest is the longest-lived

    const std::pair<QString, QStringList> cases[] = {
        {"--from", {"transmission --to 1 --step 1", "transmission --from x --to 1 --step 1"}},
        {"--to",
         {"transmission --from 2 --to 1 --step 1", "resonances --to abc",
          "transmission --from 0 --step 1"}},
        {"--step",
         {"transmission --from 0 --to 1 --step 0", "transmission --from 0 --to 1 --step -1",
          "transmission --from 0 --to 1", "transmission --from 0 --to 10 --step 0.0001"}},
        {"--exact",
         {"resonances --exact", "transmission --from 1 --to 2 --step 1 --potential "
                                "oscillator --exact"}},
        {"--barrier-width",
         {"resonances --potential double-barrier --separation 1 "
          "--barrier-width 1.5"}},
        {"--width", {"resonances --potential step --width 1"}},
    };
    for (const auto& [option, lines] : cases) {
        for (const QString& line : lines) {
            const Outcome bad = run(line);
            EXPECT_TRUE(bad.status == -1 || bad.status == 2) << line.toStdString();
            EXPECT_TRUE(bad.err.contains(option) && bad.err.trimmed().count('\n') == 0)
                << line.toStdString() << ": " << bad.err.toStdString();
        }
    }
}
