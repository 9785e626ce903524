#pragma once

// Sizes a table's columns as resizeColumnsToContents does, each as wide as its title and its
// widest cell, without measuring every cell. Where the font's digits are tabular, texts that
// differ only in their digits are equally wide: each column's widest shape of text is measured,
// once, and remembered while the title, font and style stay. Texts a delegate draws in its own
// format (edited numbers) are measured each as the table would.

#include <QFont>
#include <QString>

#include <vector>

class QStyle;
class QTableWidget;

class FittedColumns {
  public:
    // Every column of `table`; the cells of column `delegated` are measured one distinct text
    // at a time.
    void Fit(QTableWidget& table, int delegated);

  private:
    struct Measured {
        QString title;
        int titleWidth = 0;
        QString shape; // the widest text measured, standing for its shape
        int shapeWidth = 0;
    };
    std::vector<Measured> columns_;
    QFont font_;
    const QStyle* style_ = nullptr;
};
