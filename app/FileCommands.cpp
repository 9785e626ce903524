#include "app/FileCommands.h"

#include "app/Export.h"
#include "app/FileIO.h"
#include "app/Menu.h"
#include "model/Model.h"
#include "model/Particles.h"
#include "windows/main/Window1.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <QUndoStack>

namespace {

const QString kRecentKey = QStringLiteral("recentFiles");
constexpr int kMaxRecent = 8;

QString withSuffix(QString path, const QString& suffix) {
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += '.' + suffix;
    return path;
}

} // namespace

// The file dialogs' filter for Wellscope's own files.
QString FileCommands::documentFilter() {
    return tr("Wellscope files (*.wellscope)");
}

FileCommands::FileCommands(Model& model, Window1& window, Menu& menu, QSettings& settings)
    : QObject(&window), model_(model), window_(window), menu_(menu), settings_(settings) {
    ChooseFile = [this](const QString& title, const QString& filter, bool forSaving) {
        return forSaving ? QFileDialog::getSaveFileName(&window_, title, QString(), filter)
                         : QFileDialog::getOpenFileName(&window_, title, QString(), filter);
    };
    ShowError = [this](const QString& message) {
        QMessageBox::warning(&window_, QStringLiteral("Wellscope"), message);
    };
    AskToSave = [this] {
        return QMessageBox::question(
            &window_, QStringLiteral("Wellscope"),
            tr("The reshaped potential has not been saved. Save it first?"),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    };

    ExtraData = [this] { return OpenLevelsTableCsv(window_); };

    auto item = [&menu](const char* name) { return menu.Item(name); };
    connect(item(menu_item::FileOpen), &QAction::triggered, this, [this] {
        const QString path = ChooseFile(tr("Open"), documentFilter(), false);
        if (!path.isEmpty()) Open(path);
    });
    connect(item(menu_item::FileSave), &QAction::triggered, this, [this] { Save(); });
    connect(item(menu_item::FileSaveAs), &QAction::triggered, this, [this] {
        const QString path = ChooseFile(tr("Save As"), documentFilter(), true);
        if (!path.isEmpty()) SaveAs(withSuffix(path, QStringLiteral("wellscope")));
    });
    connect(item(menu_item::FileExportData), &QAction::triggered, this, [this] {
        const QString path = ChooseFile(tr("Export Data"), QStringLiteral("CSV (*.csv)"), true);
        if (!path.isEmpty()) ExportData(withSuffix(path, QStringLiteral("csv")));
    });
    connect(item(menu_item::FileExportPicture), &QAction::triggered, this, [this] {
        const QString path =
            ChooseFile(tr("Export Picture"), QStringLiteral("SVG (*.svg);;PNG (*.png)"), true);
        if (!path.isEmpty()) ExportPicture(withSuffix(path, QStringLiteral("svg")));
    });

    // The undo stack's clean state is the file's saved state; the particle is in the title.
    connect(model_.UndoStack(), &QUndoStack::cleanChanged, this,
            [this](bool clean) { window_.setWindowModified(!clean); });
    connect(&model_, &Model::changed, this, [this](int what) {
        if (what & Model::MassChanged) showTitle();
    });
    window_.installEventFilter(this);

    setFile(QString());
    fillRecentMenu();
}

void FileCommands::showTitle() {
    // No file: the title the window always had.
    QString title = path_.isEmpty()
                        ? QStringLiteral("Wellscope[*]")
                        : QFileInfo(path_).fileName() + QString::fromUtf8("[*] — Wellscope");
    const double mass = model_.Value().mass;
    if (!IsElectron(mass)) title += QString::fromUtf8(" — ") + ParticleText(mass);
    window_.setWindowTitle(title);
}

void FileCommands::setFile(const QString& path) {
    path_ = path;
    model_.UndoStack()->setClean();
    showTitle();
    window_.setWindowFilePath(path);
    window_.setWindowModified(false);
}

bool FileCommands::report(const QString& message, const QString& path, const QString& error) {
    ShowError(message.arg(QDir::toNativeSeparators(path), error));
    return false;
}

bool FileCommands::MayDiscard() {
    if (!model_.Value().reshape || model_.UndoStack()->isClean()) return true;
    switch (AskToSave()) {
    case QMessageBox::Save:
        return Save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool FileCommands::Open(const QString& path) {
    QString error;
    // Read and check everything before the window is touched, so a bad file changes nothing.
    const std::optional<Document> document = LoadDocument(path, error);
    if (!document) return report(tr("Cannot open “%1”: %2."), path, error);
    if (!MayDiscard()) return false;
    model_.Open(SetupOf(*document));
    setFile(path);
    remember(path);
    return true;
}

bool FileCommands::Save() {
    if (!path_.isEmpty()) return SaveAs(path_);
    const QString path = ChooseFile(tr("Save"), documentFilter(), true);
    return !path.isEmpty() && SaveAs(withSuffix(path, QStringLiteral("wellscope")));
}

bool FileCommands::SaveAs(const QString& path) {
    const Document document = CaptureDocument(model_.Value());
    QString error;
    if (!SaveDocument(document, path, error))
        return report(tr("Cannot save “%1”: %2."), path, error);
    setFile(path);
    remember(path);
    return true;
}

bool FileCommands::ExportData(const QString& path) {
    QString error;
    const QByteArray csv = DataCsv(model_.Value(), ExtraData ? ExtraData() : QString());
    return WriteWholeFile(path, csv, error) ||
           report(tr("Cannot export to “%1”: %2."), path, error);
}

bool FileCommands::ExportPicture(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("svg") && suffix != QLatin1String("png"))
        return report(tr("Cannot export to “%1”: %2."), path,
                      tr("a picture is saved as .svg or .png"));
    QString error;
    const QByteArray bytes =
        suffix == QLatin1String("svg") ? PictureSvg(window_) : PicturePng(window_);
    return WriteWholeFile(path, bytes, error) ||
           report(tr("Cannot export to “%1”: %2."), path, error);
}

QStringList FileCommands::RecentFiles() const {
    return settings_.value(kRecentKey).toStringList();
}

void FileCommands::remember(const QString& path) {
    QStringList recent = RecentFiles();
    const QString full = QFileInfo(path).absoluteFilePath();
    recent.removeAll(full);
    recent.prepend(full);
    while (recent.size() > kMaxRecent) recent.removeLast();
    settings_.setValue(kRecentKey, recent);
    fillRecentMenu();
}

void FileCommands::fillRecentMenu() {
    QMenu* menu = menu_.Item(menu_item::FileRecentMenu)->menu();
    menu->clear();
    const QStringList recent = RecentFiles();
    for (const QString& path : recent) {
        QAction* a = menu->addAction(QFileInfo(path).fileName());
        a->setToolTip(QDir::toNativeSeparators(path));
        connect(a, &QAction::triggered, this, [this, path] { Open(path); });
    }
    menu->setEnabled(!recent.isEmpty());
}

bool FileCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Close && !MayDiscard()) {
        event->ignore();
        return true; // the window stays open, and so does the program
    }
    return QObject::eventFilter(watched, event);
}
