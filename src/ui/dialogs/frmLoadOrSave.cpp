#include "dialogs/frmLoadOrSave.h"

#include "windows/DialogSupport.h"

#include "dialogs/frmLoadOrSaveInfo.h"
#include "messages/modMessages.h"
#include "platform/FileSystem.h"
#include "platform/MessageSeam.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace quobix {

using DialogSupport::FillField;
using DialogSupport::TextFromField;

namespace {
    // Positions are given in twips, 15 to a pixel.
    QRect Twips(int left, int top, int width, int height)
    {
        return { left / 15, top / 15, width / 15, height / 15 };
    }

    constexpr int PathRole = Qt::UserRole;
}

frmLoadOrSave::frmLoadOrSave(
    QWidget* parent, qint16 mode, LevelDocument& level, LoadSaveState& state)
    : QDialog(parent)
    , mode(mode)
    , level(level)
    , state(state)
{
    BuildControls();
    Form_Load();
}

std::optional<LoadResult> frmLoadOrSave::LoadFile(
    QWidget* parent, const QString& folder, const QString& fileName, qint16 notation)
{
    LoadResult result;
    frmLoadOrSaveInfo::Run(parent, LoadMode, folder + fileName, [&] {
        result = modLoadOrSave::LoadLevel(folder, fileName, notation);
        for (const Message& message : result.messages)
            Show(message);
    });
    if (!result.ok)
        return std::nullopt;
    return result;
}

bool frmLoadOrSave::SaveFile(QWidget* parent, LevelDocument& level, const QString& folder,
    const QString& fileName, qint16 notation)
{
    bool ok = false;
    frmLoadOrSaveInfo::Run(parent, SaveMode, folder + fileName, [&] {
        // Asked before anything is opened, so that no file waits on the user's answer.
        const bool flipBack = level.LevelFlipped && modMessages::AskFlipBackBeforeSaving() == vbYes;
        const SaveResult result
            = modLoadOrSave::SaveLevel(level, folder + fileName, notation, flipBack);
        for (const Message& message : result.messages)
            Show(message);
        ok = result.ok;
    });
    return ok;
}

void frmLoadOrSave::BuildControls()
{
    // The caption follows the mode (Form_Load).
    DialogSupport::SetUpFixedDialog(this, QString(), 11910 / 15, 6120 / 15);
    setFont(QFont(QStringLiteral("Arial"), 8));

    auto label = [this](const char* text, int left, int top) {
        auto* l = new QLabel(QString::fromLatin1(text), this);
        l->move(left / 15, top / 15 + 3);
        return l;
    };
    label("Drive:", 60, 15);
    DrvLevel = new QComboBox(this);
    DrvLevel->setGeometry(Twips(930, 15, 2600, 315));
    label("Folder:", 75, 360);
    dirLevel = new QListWidget(this);
    dirLevel->setGeometry(Twips(930, 360, 2600, 1890));
    label("Files:", 75, 2265);
    LevelFile = new QListWidget(this);
    LevelFile->setGeometry(Twips(930, 2265, 2600, 2235));
    label("File Name:", 60, 4545);
    txtLevel = new QLineEdit(this);
    txtLevel->setGeometry(Twips(930, 4545, 2600, 360));
    label("File Type:", 60, 4930);
    cmbLevelType = new QComboBox(this);
    cmbLevelType->setGeometry(Twips(930, 4930, 2600, 360));
    cmbLevelType->addItems({ QStringLiteral("*.qbx"), QStringLiteral("*.xsb") });

    label("Top comment:", 3930, 15);
    txtTopComment = new QPlainTextEdit(this);
    txtTopComment->setGeometry(Twips(5505, 15, 6360, 2760));
    label("Author:", 3930, 2865);
    txtAuthor = new QLineEdit(this);
    txtAuthor->setGeometry(Twips(5505, 2865, 6360, 360));
    label("Bottom comment:", 3930, 3315);
    txtBottomComment = new QPlainTextEdit(this);
    txtBottomComment->setGeometry(Twips(5505, 3315, 6360, 2760));
    for (QPlainTextEdit* comment : { txtTopComment, txtBottomComment }) {
        comment->setLineWrapMode(QPlainTextEdit::NoWrap);
        comment->setTabChangesFocus(true);
    }

    cmdLoadLevel = new QPushButton(QStringLiteral("&Load"), this);
    cmdLoadLevel->setGeometry(Twips(500, 5500, 1000, 500));
    cmdSaveLevel = new QPushButton(QStringLiteral("&Save"), this);
    cmdSaveLevel->setGeometry(Twips(500, 5500, 1000, 500));
    cmdCancelLoadSave = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancelLoadSave->setGeometry(Twips(2820, 5500, 1000, 500));

    connect(DrvLevel, &QComboBox::activated, this, [this] {
        if (!settingDrive)
            DrvLevel_Change();
    });
    dirLevel->installEventFilter(this);
    DrvLevel->installEventFilter(this);
    connect(dirLevel, &QListWidget::itemActivated, this, &frmLoadOrSave::OnFolderActivated);
    connect(LevelFile, &QListWidget::itemClicked, this, &frmLoadOrSave::LevelFile_Click);
    connect(LevelFile, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            LevelFile_Click();
    });
    connect(LevelFile, &QListWidget::itemDoubleClicked, this, &frmLoadOrSave::LevelFile_DblClick);
    connect(cmbLevelType, &QComboBox::activated, this, &frmLoadOrSave::cmbLevelType_Click);
    connect(cmdLoadLevel, &QPushButton::clicked, this, &frmLoadOrSave::cmdLoadLevel_Click);
    connect(cmdSaveLevel, &QPushButton::clicked, this, &frmLoadOrSave::cmdSaveLevel_Click);
    connect(
        cmdCancelLoadSave, &QPushButton::clicked, this, &frmLoadOrSave::cmdCancelLoadSave_Click);
}

void frmLoadOrSave::SetCommentFields(bool enabled)
{
    for (QWidget* field : { static_cast<QWidget*>(txtTopComment), static_cast<QWidget*>(txtAuthor),
             static_cast<QWidget*>(txtBottomComment) })
        field->setEnabled(enabled);
}

void frmLoadOrSave::CommentsFromFields()
{
    level.SetTexts(
        TextFromField(txtAuthor), TextFromField(txtTopComment), TextFromField(txtBottomComment));
}

void frmLoadOrSave::Form_Load()
{
    const bool saving = mode == SaveMode;
    if (!saving)
        state.FileName.clear();
    txtLevel->setEnabled(saving); // when loading, the name comes from the file list
    cmbLevelType->setEnabled(true);
    cmdLoadLevel->setVisible(!saving);
    cmdSaveLevel->setVisible(saving);
    cmdLoadLevel->setDefault(!saving);
    cmdSaveLevel->setDefault(saving);
    setWindowTitle(saving ? QStringLiteral("Save Level") : QStringLiteral("Load Level"));
    SetCommentFields(saving);
    FillField(txtTopComment, saving ? level.TopComment : QString());
    FillField(txtAuthor, saving ? level.Author : QString());
    FillField(txtBottomComment, saving ? level.BottomComment : QString());
    txtLevel->setText(state.FileName);

    cmbLevelType->setCurrentIndex(LevelFileType - 1);
    cmbLevelType_Click();
    filePattern = cmbLevelType->currentText();

    // Drive, then folder, then files; each runs its change handler.
    DrvLevel->clear();
    DrvLevel->addItems(FileSystem::Drives());
    if (DrvLevel->findText(state.CurrentDrive) < 0)
        DrvLevel->addItem(state.CurrentDrive);
    settingDrive = true;
    DrvLevel->setCurrentText(state.CurrentDrive);
    settingDrive = false;
    shownDrive = state.CurrentDrive;
    if (!SetFolderListPath(state.CurrentFolder) && !SetFolderListPath(state.CurrentDrive))
        SetFolderListPath(QDir::homePath());
}

void frmLoadOrSave::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void frmLoadOrSave::Form_Activate()
{
    if (mode == SaveMode)
        txtLevel->setFocus();
}

void frmLoadOrSave::done(int result)
{
    Form_Unload();
    QDialog::done(result);
}

bool frmLoadOrSave::eventFilter(QObject* watched, QEvent* event)
{
    // Return in the drive or folder list chooses there and goes no further: the lists would
    // pass it on to the Load or Save button.
    if ((watched == dirLevel || watched == DrvLevel) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == dirLevel && dirLevel->currentItem())
                OnFolderActivated(dirLevel->currentItem());
            else if (watched == DrvLevel && DrvLevel->currentText() != shownDrive)
                DrvLevel_Change();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmLoadOrSave::Form_Unload()
{
    // Edits of the texts stay in force, also when the user cancels.
    if (mode == SaveMode)
        CommentsFromFields();
}

void frmLoadOrSave::DrvLevel_Change()
{
    const QString drive = DrvLevel->currentText();
    // A drive keeps the current folder when it lies on it, as a drive letter would.
    const QString here = FileSystem::WithSeparator(QDir::currentPath());
    const QString target = FileSystem::DriveOf(here) == drive ? here : drive;
    if (!SetFolderListPath(target)) {
        ShowMessageBox(QStringLiteral("Drive ") + drive + QStringLiteral(" cannot be read."),
            QStringLiteral("Drive Error"), MsgButtons::OK, MsgIcon::Critical);
        settingDrive = true;
        DrvLevel->setCurrentText(shownDrive);
        settingDrive = false;
        return;
    }
    state.CurrentDrive = drive;
    shownDrive = drive;
}

bool frmLoadOrSave::SetFolderListPath(const QString& path)
{
    const QDir dir(path);
    if (path.isEmpty() || !dir.exists() || !dir.isReadable())
        return false;
    folderPath = dir.absolutePath();
    FillFolderList();
    dirLevel_Change();
    return true;
}

void frmLoadOrSave::FillFolderList()
{
    // The path from the root down to the folder, then the folder's own subfolders.
    dirLevel->clear();
    QStringList chain;
    for (QDir dir(folderPath);;) {
        chain.prepend(dir.absolutePath());
        if (!dir.cdUp())
            break;
    }
    int depth = 0;
    for (const QString& path : chain) {
        const QString name
            = QDir(path).isRoot() ? QDir::toNativeSeparators(path) : QFileInfo(path).fileName();
        auto* item = new QListWidgetItem(QString(2 * depth++, QLatin1Char(' ')) + name, dirLevel);
        item->setData(PathRole, path);
    }
    dirLevel->setCurrentRow(dirLevel->count() - 1);
    const QDir here(folderPath);
    const auto order = QDir::Name | QDir::IgnoreCase;
    for (const QString& sub : here.entryList(QDir::Dirs | QDir::NoDotAndDotDot, order)) {
        // A link is listed by what it names, and only a folder is a folder.
        if (!QFileInfo(here.absoluteFilePath(sub)).isDir())
            continue;
        auto* item = new QListWidgetItem(QString(2 * depth, QLatin1Char(' ')) + sub, dirLevel);
        item->setData(PathRole, here.absoluteFilePath(sub));
    }
}

void frmLoadOrSave::OnFolderActivated(QListWidgetItem* item)
{
    const QString path = item->data(PathRole).toString();
    if (QDir(path).absolutePath() == folderPath)
        return;
    if (!SetFolderListPath(path))
        ShowMessageBox(QStringLiteral("Folder ") + QDir::toNativeSeparators(path)
                + QStringLiteral(" cannot be read."),
            QStringLiteral("Folder Error"), MsgButtons::OK, MsgIcon::Critical);
}

void frmLoadOrSave::dirLevel_Change()
{
    state.CurrentFolder = FileSystem::WithSeparator(folderPath);
    FileSystem::SetCurrentFolder(state.CurrentFolder);
    RefreshFileList();
}

void frmLoadOrSave::RefreshFileList()
{
    const QSignalBlocker blocker(LevelFile);
    LevelFile->clear();
    LevelFile->addItems(
        QDir(folderPath).entryList({ filePattern }, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void frmLoadOrSave::LevelFile_Click()
{
    if (QListWidgetItem* item = LevelFile->currentItem())
        txtLevel->setText(item->text());
}

void frmLoadOrSave::LevelFile_DblClick()
{
    if (mode == SaveMode)
        cmdSaveLevel_Click();
    else
        cmdLoadLevel_Click();
}

void frmLoadOrSave::cmbLevelType_Click()
{
    LevelFileType = static_cast<qint16>(cmbLevelType->currentIndex() + 1);
    filePattern = cmbLevelType->currentText();
    RefreshFileList();

    const QString selected = cmbLevelType->currentText().right(4);
    const QString other = cmbLevelType->itemText(1 - cmbLevelType->currentIndex()).right(4);
    QString& FileName = state.FileName;
    FileName = txtLevel->text();
    const bool usable = FileName.size() > 3;
    if (usable && FileName.right(4) == other)
        FileName = FileName.left(FileName.size() - 4) + selected;
    if (mode == SaveMode) {
        if (usable)
            txtLevel->setText(FileName);
        return;
    }
    const auto listed = LevelFile->findItems(FileName, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (FileName.right(4) == selected && !listed.isEmpty())
        LevelFile->setCurrentItem(listed.first());
    else
        FileName.clear();
    txtLevel->setText(FileName);
}

void frmLoadOrSave::cmdLoadLevel_Click()
{
    state.FileName = txtLevel->text();
    if (state.FileName.isEmpty()) {
        modMessages::ShowInvalidLoadFileName(state.FileName);
        return;
    }
    loaded = LoadFile(this, state.CurrentFolder, state.FileName, LevelFileType);
    QApplication::processEvents();
    if (!loaded)
        return;
    donePath = state.CurrentFolder + state.FileName;
    SetCommentFields(true);
    FillField(txtTopComment, loaded->level.TopComment);
    FillField(txtAuthor, loaded->level.Author);
    FillField(txtBottomComment, loaded->level.BottomComment);
    // The level's own file, as the next Save As offers it.
    state.FileName = loaded->level.LevelFileName;
    accept();
}

void frmLoadOrSave::cmdSaveLevel_Click()
{
    CommentsFromFields();
    bool saved = false;
    QString& FileName = state.FileName;
    FileName = txtLevel->text();
    if (FileName.isEmpty()) {
        modMessages::ShowInvalidSaveFileName(FileName);
    } else {
        if (FileName.size() <= 3 || FileName.right(4) != filePattern.right(4))
            FileName += filePattern.right(4);
        const QString path = state.CurrentFolder + FileName;
        // Ask whenever the file exists, also when it differs from a listed name only by case.
        const bool listed
            = !LevelFile->findItems(FileName, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty();
        if ((!listed && !QFileInfo::exists(path)) || modMessages::AskOverwriteLevel(path) == vbYes)
            saved = SaveFile(this, level, state.CurrentFolder, FileName, LevelFileType);
        if (saved)
            donePath = path;
    }
    RefreshFileList();
    if (saved) {
        level.SetFile(state.CurrentFolder, FileName);
        accept();
    }
}

void frmLoadOrSave::cmdCancelLoadSave_Click() { reject(); }

} // namespace quobix
