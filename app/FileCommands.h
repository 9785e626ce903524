#pragma once

// File > Open, Save, Save As, Open Recent and Export on the solver window, the window title
// with the file's name and the unsaved mark, and the question before a reshaped potential
// would be lost.

#include "app/Document.h"

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class Menu;
class Model;
class QSettings;
class Window1;

class FileCommands : public QObject {
    Q_OBJECT
  public:
    // Wires the File menu's items for the model shown in `window`; the recent files are kept
    // in `settings`.
    FileCommands(Model& model, Window1& window, Menu& menu, QSettings& settings);

    // --- The dialogs, replaceable so that tests can answer them.
    // A path chosen by the user, or empty when cancelled.
    std::function<QString(const QString& title, const QString& filter, bool forSaving)> ChooseFile;
    // Tells the user what went wrong.
    std::function<void(const QString& message)> ShowError;
    // Save, Discard or Cancel.
    std::function<QMessageBox::StandardButton()> AskToSave;
    // More CSV for Export > Data, empty when there is none: by default the Levels window's
    // table while that window is open.
    std::function<QString()> ExtraData;

    // Opens the file: the model takes what it holds, or, when it cannot be read, keeps
    // everything it had and the user is told what is wrong. Asks first about an unsaved
    // reshaped potential. Returns whether the file was opened.
    bool Open(const QString& path);
    bool Save();
    bool SaveAs(const QString& path);
    bool ExportData(const QString& path);
    bool ExportPicture(const QString& path); // .svg or .png

    // Whether the work may go: true unless a reshaped potential is unsaved and the user
    // cancels (or the save fails).
    bool MayDiscard();

    const QString& FilePath() const { return path_; }
    QStringList RecentFiles() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showTitle();
    void setFile(const QString& path);
    void remember(const QString& path);
    void fillRecentMenu();
    // `message` names the file as %1 and the reason as %2.
    bool report(const QString& message, const QString& path, const QString& error);
    static QString documentFilter();

    Model& model_;
    Window1& window_;
    Menu& menu_;
    QSettings& settings_;
    QString path_;
};
