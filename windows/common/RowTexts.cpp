#include "windows/common/RowTexts.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace {

// Every menu text, slider title, end label and "what" of PotentialRows, once.
const char* const kRowTexts[] = {
    // The potential menu.
    QT_TRANSLATE_NOOP("PotentialRows", "Well"),
    QT_TRANSLATE_NOOP("PotentialRows", "Symmetric Well"),
    QT_TRANSLATE_NOOP("PotentialRows", "Uneven"),
    QT_TRANSLATE_NOOP("PotentialRows", "Ramp"),
    QT_TRANSLATE_NOOP("PotentialRows", "Oscillator"),
    QT_TRANSLATE_NOOP("PotentialRows", "Hydrogen"),
    QT_TRANSLATE_NOOP("PotentialRows", "Draw"),
    QT_TRANSLATE_NOOP("PotentialRows", "Barrier"),
    QT_TRANSLATE_NOOP("PotentialRows", "Double Barrier"),
    QT_TRANSLATE_NOOP("PotentialRows", "Step"),
    // The slider titles: the value and its unit follow those that end in "= ".
    QT_TRANSLATE_NOOP("PotentialRows", "Width = "),
    QT_TRANSLATE_NOOP("PotentialRows", "Ctr to Ctr = "),
    QT_TRANSLATE_NOOP("PotentialRows", "Well Width = "),
    QT_TRANSLATE_NOOP("PotentialRows", "Left Height = "),
    QT_TRANSLATE_NOOP("PotentialRows", "Right Height = "),
    QT_TRANSLATE_NOOP("PotentialRows", "Slope"),
    QT_TRANSLATE_NOOP("PotentialRows", "Height = "),
    QT_TRANSLATE_NOOP("PotentialRows", "Narrowness"),
    QT_TRANSLATE_NOOP("PotentialRows", "Barrier Width = "),
    // The end labels that are not numbers: a slope without end, wide and narrow.
    QT_TRANSLATE_NOOP("PotentialRows", "inf"),
    QT_TRANSLATE_NOOP("PotentialRows", "Wd"),
    QT_TRANSLATE_NOOP("PotentialRows", "Nw"),
    // What each slider sets, for the help and the screen reader.
    QT_TRANSLATE_NOOP("PotentialRows", "width"),
    QT_TRANSLATE_NOOP("PotentialRows", "centre-to-centre distance"),
    QT_TRANSLATE_NOOP("PotentialRows", "width of each well"),
    QT_TRANSLATE_NOOP("PotentialRows", "left wall height"),
    QT_TRANSLATE_NOOP("PotentialRows", "right wall height"),
    QT_TRANSLATE_NOOP("PotentialRows", "slope"),
    QT_TRANSLATE_NOOP("PotentialRows", "height"),
    QT_TRANSLATE_NOOP("PotentialRows", "narrowness"),
    QT_TRANSLATE_NOOP("PotentialRows", "width of each barrier"),
};

const char* const* find(std::string_view english) {
    return std::find_if(std::begin(kRowTexts), std::end(kRowTexts),
                        [english](const char* t) { return english == t; });
}

} // namespace

QString RowText(std::string_view english) {
    const char* const* found = find(english);
    if (found == std::end(kRowTexts))
        return QString::fromUtf8(english.data(), qsizetype(english.size()));
    return QCoreApplication::translate("PotentialRows", *found);
}

bool HasRowText(std::string_view english) {
    return find(english) != std::end(kRowTexts);
}
