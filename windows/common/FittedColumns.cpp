#include "windows/common/FittedColumns.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QTableWidget>

#include <algorithm>
#include <utility>

namespace {

// Whether every digit of the font has one width, as in most fonts.
bool hasTabularDigits(const QFont& font) {
    const QFontMetricsF metrics(font);
    const qreal zero = metrics.horizontalAdvance(QLatin1Char('0'));
    for (char d = '1'; d <= '9'; ++d)
        if (metrics.horizontalAdvance(QLatin1Char(d)) != zero) return false;
    return true;
}

// Whether two texts differ at most in their digits: then, where digits are tabular, they are
// equally wide.
bool sameShape(const QString& a, const QString& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && !(a[i].isDigit() && b[i].isDigit())) return false;
    return true;
}

} // namespace

void FittedColumns::Fit(QTableWidget& table, int delegated) {
    if (!hasTabularDigits(table.font())) return table.resizeColumnsToContents();
    if (table.font() != font_ || table.style() != style_) columns_.clear(); // measured anew
    font_ = table.font();
    style_ = table.style();
    columns_.resize(std::size_t(table.columnCount()));
    const QFontMetricsF metrics(table.font());
    QHeaderView& header = *table.horizontalHeader();
    auto cellWidth = [&](int r, int c) {
        return table.sizeHintForIndex(table.model()->index(r, c)).width() +
               (table.showGrid() ? 1 : 0);
    };
    for (int c = 0; c < table.columnCount(); ++c) {
        Measured& m = columns_[std::size_t(c)];
        const QTableWidgetItem* titleItem = table.horizontalHeaderItem(c);
        const QString title = titleItem ? titleItem->text() : QString();
        if (title != m.title || m.titleWidth == 0) {
            m.title = title;
            m.titleWidth = header.sectionSizeHint(c);
        }
        int width = m.titleWidth;
        // Each distinct text (or shape of text) and a row that has it.
        const bool shaped = c != delegated;
        std::vector<std::pair<QString, int>> distinct;
        for (int r = 0; r < table.rowCount(); ++r) {
            const QTableWidgetItem* item = table.item(r, c);
            if (!item) continue;
            const QString text = item->text();
            auto same = [&](const auto& d) {
                return shaped ? sameShape(d.first, text) : d.first == text;
            };
            if (!distinct.empty() && same(distinct.back())) continue; // the usual case
            if (std::none_of(distinct.begin(), distinct.end(), same))
                distinct.emplace_back(text, r);
        }
        if (shaped && !distinct.empty()) {
            const std::pair<QString, int>* widest = nullptr;
            qreal widestAdvance = -1;
            for (const auto& d : distinct) {
                const qreal advance = metrics.horizontalAdvance(d.first);
                if (advance > widestAdvance) widest = &d, widestAdvance = advance;
            }
            if (!sameShape(widest->first, m.shape) || m.shapeWidth == 0) {
                m.shape = widest->first;
                m.shapeWidth = cellWidth(widest->second, c);
            }
            width = std::max(width, m.shapeWidth);
        } else {
            for (const auto& d : distinct) width = std::max(width, cellWidth(d.second, c));
        }
        header.resizeSection(c, width);
    }
}
