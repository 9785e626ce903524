#pragma once

// The potential rows' texts (solver/core/PotentialRows.h: menu texts, slider titles, end labels
// and what each slider sets) in the user's language. The table stays free of Qt; its texts are
// listed here for the translators and looked up in the "PotentialRows" context.

#include <QString>

#include <string_view>

// The text in the language installed; a text the list lacks is shown as it is.
QString RowText(std::string_view english);
// Whether the translators' list has the text.
bool HasRowText(std::string_view english);
