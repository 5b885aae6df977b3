#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;

namespace quobix {

// The load/save dialog: drive, folder, file and file type of the level file, and in save mode
// the author and the two comments. LoadOrSaveMode (1 load, 2 save) is set by the caller; on
// return LoadOrSaveOK tells whether a level was loaded or saved.
class frmLoadOrSave : public QDialog {
    Q_OBJECT
public:
    explicit frmLoadOrSave(QWidget* parent = nullptr);

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

    QString folderPath;
    QString donePath;
    QString filePattern;
    QString shownDrive;
    bool settingDrive = false;
};

} // namespace quobix
