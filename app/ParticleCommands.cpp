#include "app/ParticleCommands.h"

#include "app/Menu.h"
#include "model/Model.h"
#include "model/Particles.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QInputDialog>
#include <QMenu>

namespace {

void check(QMenu& menu, double mass) {
    const QList<QAction*> items = menu.actions();
    bool preset = false;
    for (QAction* a : items) {
        const bool custom = !a->data().isValid();
        const bool on = custom ? !preset : a->data().toDouble() == mass;
        if (!custom) preset = preset || on;
        a->setChecked(on);
    }
}

} // namespace

void WireParticleCommands(Menu& menu, Model& model) {
    QMenu* particles = menu.Item(menu_item::ViewParticleMenu)->menu();
    auto* group = new QActionGroup(particles);
    for (const ParticlePreset& p : ParticlePresets) {
        QAction* a = particles->addAction('&' + ParticleName(p) + QStringLiteral(" (") +
                                          MassText(p.mass) + ')');
        a->setCheckable(true);
        a->setData(p.mass);
        group->addAction(a);
        const double mass = p.mass;
        QObject::connect(a, &QAction::triggered, &model, [&model, mass] { model.SetMass(mass); });
    }
    // Last, so that it is checked when no preset is.
    QAction* custom =
        particles->addAction(QCoreApplication::translate("ParticleCommands", "&Other Mass…"));
    custom->setObjectName(QLatin1String(menu_item::ViewParticleCustom));
    custom->setCheckable(true);
    group->addAction(custom);
    QObject::connect(custom, &QAction::triggered, &model, [&model, particles] {
        bool ok = false;
        const double mass = QInputDialog::getDouble(
            QApplication::activeWindow(),
            QCoreApplication::translate("ParticleCommands", "Particle"),
            QCoreApplication::translate("ParticleCommands", "Mass in electron masses (mₑ):"),
            model.Value().mass, LightestMass, HeaviestMass, 3, &ok);
        if (ok) model.SetMass(mass);
        check(*particles, model.Value().mass);
    });
    QObject::connect(&model, &Model::changed, particles, [&model, particles](int what) {
        if (what & Model::MassChanged) check(*particles, model.Value().mass);
    });
    check(*particles, model.Value().mass);
}
