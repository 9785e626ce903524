// The .wellscope format: a JSON object with the format's name and version, the potential's
// name, the slider values it uses, the parity, the energy field's text, and for a reshaped
// potential its handles ([index, eV] pairs) and values on the visible grid.
#include "app/Document.h"

#include "model/EnergyText.h"
#include "model/Particles.h"
#include "solver/core/PotentialRows.h"
#include "solver/core/Setup.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <cmath>

namespace {

const QString kFormat = QStringLiteral("wellscope");
// Version 2 adds the particle's mass; an electron's file stays version 1, readable by every
// release.
constexpr int kVersion = 2;
constexpr int kElectronVersion = 1;
// Handles are dragged within sight of the plot; anything far beyond it is not a drawn
// potential.
constexpr double kMaxHandleEv = 10000;

QString text(std::string_view s) {
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

// A JSON number that is a whole number in [min, max].
std::optional<int> whole(const QJsonValue& v, int min, int max) {
    if (!v.isDouble()) return std::nullopt;
    const double d = v.toDouble();
    if (d != std::floor(d) || d < min || d > max) return std::nullopt;
    return int(d);
}

QString describe(const QJsonValue& v) {
    if (v.isDouble()) return QString::number(v.toDouble(), 'g', 17);
    if (v.isString()) {
        // As JSON writes it, so that a line break in it cannot break the message's line.
        const QByteArray json =
            QJsonDocument(QJsonArray{v.toString().left(40)}).toJson(QJsonDocument::Compact);
        return QString::fromUtf8(json.mid(1, json.size() - 2));
    }
    if (v.isBool()) return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (v.isNull()) return QStringLiteral("null");
    // As JSON writes it, cut short, so the message shows what the file holds.
    const QByteArray json = v.isArray()
                                ? QJsonDocument(v.toArray()).toJson(QJsonDocument::Compact)
                                : QJsonDocument(v.toObject()).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.size() > 60 ? json.left(57) + "..." : json);
}

struct Reader {
    QJsonObject o;
    QString& error;

    bool fail(const QString& what) {
        error = what;
        return false;
    }

    bool read(Document& d) {
        const QJsonValue format = o.value(QStringLiteral("format"));
        if (format != QJsonValue(kFormat))
            return fail(format.isUndefined()
                            ? QStringLiteral("it is not a Wellscope file (it has no \"format\")")
                            : QStringLiteral("it is not a Wellscope file (its format is %1)")
                                  .arg(describe(format)));
        const QJsonValue version = o.value(QStringLiteral("version"));
        if (version.isUndefined())
            return missing("version", QStringLiteral("the format's version"));
        const std::optional<int> v = whole(version, 1, 1 << 30);
        if (!v)
            return fail(QStringLiteral("its \"version\" is %1, not a version number")
                            .arg(describe(version)));
        if (*v > kVersion)
            return fail(QStringLiteral("it was written by a newer Wellscope (format version %1; "
                                       "this one reads version %2)")
                            .arg(*v)
                            .arg(kVersion));
        return potential(d) && sliders(d) && parity(d) && handles(d) && energy(d) && mass(d, *v);
    }

    bool mass(Document& d, int version) {
        const QJsonValue m = o.value(QStringLiteral("mass"));
        if (m.isUndefined()) return true; // the electron's
        if (version < kVersion)
            return fail(QStringLiteral("\"mass\" needs format version %1, but the file says %2")
                            .arg(kVersion)
                            .arg(version));
        if (!m.isDouble() || !(m.toDouble() >= LightestMass && m.toDouble() <= HeaviestMass))
            return fail(QStringLiteral("\"mass\" is %1, not a mass from %2 to %3 electron masses")
                            .arg(describe(m))
                            .arg(LightestMass)
                            .arg(HeaviestMass));
        d.mass = m.toDouble();
        return true;
    }

    bool missing(const char* key, const QString& what) {
        return fail(QStringLiteral("\"%1\" is missing (%2)").arg(QLatin1String(key), what));
    }

    bool potential(Document& d) {
        const QJsonValue name = o.value(QStringLiteral("potential"));
        QStringList names;
        for (const RowInfo& r : PotentialRows) {
            names << text(r.option);
            if (name == QJsonValue(text(r.option))) {
                d.row = r.row;
                return true;
            }
        }
        const QString accepts = QStringLiteral("one of ") + names.join(QStringLiteral(", "));
        if (name.isUndefined()) return missing("potential", accepts);
        return fail(QStringLiteral("\"potential\" is %1, not %2").arg(describe(name), accepts));
    }

    bool sliders(Document& d) {
        const RowInfo& r = RowOf(d.row);
        const QJsonValue value = o.value(QStringLiteral("sliders"));
        if (value.isUndefined())
            return missing("sliders", QStringLiteral("the list of the slider values"));
        const QJsonArray list = value.toArray();
        if (!value.isArray() || list.size() != r.sliderCount)
            return fail(QStringLiteral("\"sliders\" must list %1 values for the %2 potential")
                            .arg(r.sliderCount)
                            .arg(text(r.option)));
        for (int n = 0; n < r.sliderCount; ++n) {
            const SliderInfo& s = r.sliders[std::size_t(n)];
            const int max = s.maxFollowsSlider1 ? d.sliders[0] : s.max;
            const std::optional<int> v = whole(list[n], s.min, max);
            if (!v)
                return fail(QStringLiteral("the %1 slider's value %2 is out of range (a whole "
                                           "number from %3 to %4)")
                                .arg(text(s.option), describe(list[n]))
                                .arg(s.min)
                                .arg(max));
            d.sliders.push_back(*v);
        }
        return true;
    }

    bool parity(Document& d) {
        const QJsonValue p = o.value(QStringLiteral("parity"));
        if (p.isUndefined()) return missing("parity", QStringLiteral("\"even\" or \"odd\""));
        if (p != QJsonValue(QStringLiteral("even")) && p != QJsonValue(QStringLiteral("odd")))
            return fail(
                QStringLiteral("\"parity\" is %1, not \"even\" or \"odd\"").arg(describe(p)));
        d.even = p == QJsonValue(QStringLiteral("even"));
        return true;
    }

    bool handles(Document& d) {
        const QJsonValue hv = o.value(QStringLiteral("handles"));
        const QJsonValue pv = o.value(QStringLiteral("reshaped potential"));
        if (hv.isUndefined() && pv.isUndefined()) return true; // the row's own potential
        if (!CanReshape(d.row))
            return fail(QStringLiteral("the %1 potential cannot be reshaped, but the file has "
                                       "handles")
                            .arg(text(RowOf(d.row).option)));
        if (!hv.isArray() || hv.toArray().isEmpty())
            return fail(QStringLiteral("\"handles\" must be a list of [index, eV] pairs"));
        std::array<double, HandleLast + 1> points;
        points.fill(NoHandle);
        for (const QJsonValue h : hv.toArray()) {
            const QJsonArray pair = h.toArray();
            // -1: no index (a plain int: g++ misreads an optional here as uninitialised)
            const int k = pair.size() == 2 ? whole(pair[0], 0, HandleLast).value_or(-1) : -1;
            const double value = pair.size() == 2 ? pair[1].toDouble(NAN) : NAN;
            if (!h.isArray() || k < 0 || !(std::fabs(value) <= kMaxHandleEv))
                return fail(QStringLiteral("a handle is %1, not [index 0 to %2, eV from -%3 to %3]")
                                .arg(describe(h))
                                .arg(HandleLast)
                                .arg(kMaxHandleEv));
            if (points[std::size_t(k)] != NoHandle)
                return fail(QStringLiteral("two handles share the index %1").arg(k));
            points[std::size_t(k)] = value;
        }
        // A reshape always pins both ends; the potential between them follows from the handles.
        if (points[0] == NoHandle || points[HandleLast] == NoHandle)
            return fail(
                QStringLiteral("the handles must include both ends (0 and %1)").arg(HandleLast));
        const QJsonArray values = pv.toArray();
        if (!pv.isArray() || values.size() != WindowLast - WindowFirst + 1)
            return fail(QStringLiteral("\"reshaped potential\" must list %1 values in eV")
                            .arg(WindowLast - WindowFirst + 1));
        Solver rebuilt;
        rebuilt.Points = points;
        rebuilt.MinGraph = values.first().toDouble(NAN);
        rebuilt.MaxGraph = values.last().toDouble(NAN);
        rebuilt.RebuildFromHandles();
        for (int i = WindowFirst; i <= WindowLast; ++i) {
            const double stored = values[i - WindowFirst].toDouble(NAN);
            const double built = rebuilt.PEGraph[std::size_t(i)];
            if (!(std::fabs(stored - built) <= 1e-9 * std::fmax(1.0, std::fabs(built))))
                return fail(QStringLiteral("\"reshaped potential\" does not follow from its "
                                           "handles (at x = %1 nm)")
                                .arg((i - 500) / 100.0));
            d.potential.push_back(stored);
        }
        for (int k = 0; k <= HandleLast; ++k)
            if (points[std::size_t(k)] != NoHandle)
                d.handles.push_back({k, points[std::size_t(k)]});
        return true;
    }

    bool energy(Document& d) {
        const QJsonValue e = o.value(QStringLiteral("energy"));
        if (e.isUndefined()) return missing("energy", QStringLiteral("the energy field's text"));
        if (!e.isString() || e.toString().size() > MaxEnergyTextLength)
            return fail(QStringLiteral("\"energy\" must be the energy field's text, at most %1 "
                                       "characters")
                            .arg(MaxEnergyTextLength));
        d.energy = e.toString();
        return true;
    }
};

} // namespace

QByteArray WriteDocument(const Document& d) {
    QJsonObject o;
    o.insert(QStringLiteral("format"), kFormat);
    const bool electron = IsElectron(d.mass);
    o.insert(QStringLiteral("version"), electron ? kElectronVersion : kVersion);
    o.insert(QStringLiteral("potential"), text(RowOf(d.row).option));
    QJsonArray sliders;
    for (int v : d.sliders) sliders.append(v);
    o.insert(QStringLiteral("sliders"), sliders);
    o.insert(QStringLiteral("parity"), d.even ? QStringLiteral("even") : QStringLiteral("odd"));
    if (d.Reshaped()) {
        QJsonArray handles;
        for (const Document::Handle& h : d.handles) handles.append(QJsonArray{h.index, h.value});
        o.insert(QStringLiteral("handles"), handles);
        QJsonArray values;
        for (double v : d.potential) values.append(v);
        o.insert(QStringLiteral("reshaped potential"), values);
    }
    o.insert(QStringLiteral("energy"), d.energy);
    if (!electron) o.insert(QStringLiteral("mass"), d.mass);
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

std::optional<Document> ReadDocument(const QByteArray& text, QString& error) {
    QJsonParseError parse;
    const QJsonDocument json = QJsonDocument::fromJson(text, &parse);
    if (parse.error != QJsonParseError::NoError) {
        error = QStringLiteral("it is not a Wellscope file (not JSON: %1 at character %2)")
                    .arg(parse.errorString())
                    .arg(parse.offset);
        return std::nullopt;
    }
    if (!json.isObject()) {
        error = QStringLiteral("it is not a Wellscope file (not a JSON object)");
        return std::nullopt;
    }
    Document d;
    Reader reader{json.object(), error};
    if (!reader.read(d)) return std::nullopt;
    return d;
}
