#pragma once

#include "files/modLoadOrSave.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;

namespace quobix {

// Where the load/save window opens, and the name of the file it last read or wrote.
struct LoadSaveState {
    QString CurrentDrive; // "C:" where the system has drive letters, else a volume root
    QString CurrentFolder; // always ends in the platform's separator
    QString FileName;
};

// The load/save dialog: drive, folder, file and file type of the level file, and in save mode
// the author and the two comments of the level, which it keeps also when cancelled. It works on
// the state it is given; after a load the level read waits in Loaded(), after a save the level
// has its new file.
class frmLoadOrSave : public QDialog {
    Q_OBJECT
public:
    static constexpr qint16 LoadMode = 1;
    static constexpr qint16 SaveMode = 2;

    frmLoadOrSave(QWidget* parent, qint16 mode, LevelDocument& level, LoadSaveState& state);

    // Reads a level file in the progress window, with its messages shown over it; nothing when
    // the read failed.
    static std::optional<LoadResult> LoadFile(
        QWidget* parent, const QString& folder, const QString& fileName, qint16 notation);
    // Writes the level extracted in buffer 2 in the progress window, asking first whether a
    // level flipped on loading goes back as it was read; false after the error was shown.
    static bool SaveFile(QWidget* parent, LevelDocument& level, const QString& folder,
        const QString& fileName, qint16 notation);

    QComboBox* DrvLevel;
    QListWidget* dirLevel;
    QListWidget* LevelFile;
    QLineEdit* txtLevel;
    QComboBox* cmbLevelType;
    QPlainTextEdit* txtTopComment;
    QLineEdit* txtAuthor;
    QPlainTextEdit* txtBottomComment;
    QPushButton* cmdLoadLevel;
    QPushButton* cmdSaveLevel;
    QPushButton* cmdCancelLoadSave;

    // The folder the folder list shows, and the file list's folder and pattern.
    QString FolderListPath() const { return folderPath; }
    QString FileListPattern() const { return filePattern; }
    // Sets the folder list's path (runs dirLevel_Change); false when it cannot be read.
    bool SetFolderListPath(const QString& path);
    void RefreshFileList();
    // The file the dialog loaded or saved, as it was read or written; empty until then.
    QString DonePath() const { return donePath; }
    // The level the dialog loaded, and what to say once it is shown.
    const std::optional<LoadResult>& Loaded() const { return loaded; }

public slots:
    void DrvLevel_Change();
    void dirLevel_Change();
    void LevelFile_Click();
    void LevelFile_DblClick();
    void cmbLevelType_Click();
    void cmdLoadLevel_Click();
    void cmdSaveLevel_Click();
    void cmdCancelLoadSave_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();
    void Form_Unload();

    void BuildControls();
    void FillFolderList();
    void SetCommentFields(bool enabled);
    void CommentsFromFields();
    void OnFolderActivated(QListWidgetItem* item);

    qint16 mode;
    LevelDocument& level;
    LoadSaveState& state;
    qint16 LevelFileType = QbxFile;
    QString folderPath;
    QString donePath;
    std::optional<LoadResult> loaded;
    QString filePattern;
    QString shownDrive;
    bool settingDrive = false;
};

} // namespace quobix
