// The main window: its menus, status line and commands. The grid (drawing, counts shown, mouse
// editing) is in frmQuobixEditorZN_Grid.cpp.
#include "editor/frmQuobixEditorZN.h"

#include "dialogs/frmDisplace.h"
#include "dialogs/frmLoadOrSave.h"
#include "dialogs/frmLoadOrSaveInfo.h"
#include "displace/DisplaceState.h"
#include "editor/EditHistory.h"
#include "editor/GridCanvas.h"
#include "editor/LevelPicture.h"
#include "editor/modQuobixEditorZN.h"
#include "files/RecentLevels.h"
#include "files/modLoadOrSave.h"
#include "game/SolverSettings.h"
#include "level/modText.h"
#include "messages/modMessages.h"
#include "platform/FileSystem.h"
#include "platform/MessageSeam.h"
#include "skins/SkinBNZ.h"
#include "skins/SkinKRV.h"
#include "skins/SkinState.h"
#include "skins/SkinTLM.h"
#include "windows/AnalysisPanel.h"
#include "windows/frmAboutQuobixEdit.h"
#include "windows/frmHelpPage.h"
#include "windows/frmHelpPlaying.h"
#include "windows/frmLevelInfo.h"
#include "windows/frmPlay.h"
#include "windows/frmQBX.h"
#include "windows/frmSolverLimits.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QUndoStack>

namespace quobix {

namespace {
    // The name an undo step of the displace dialog shows ("Undo Rotate").
    QString DisplaceStepName(qint16 command)
    {
        using namespace DisplaceCommand;
        if (command == Centre)
            return QStringLiteral("Centre");
        if (command == Rotate)
            return QStringLiteral("Rotate");
        if (command == MirrorTopToBottom || command == MirrorLeftToRight)
            return QStringLiteral("Mirror");
        return QStringLiteral("Shift");
    }
}

frmQuobixEditorZN::frmQuobixEditorZN(QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Quobix level editor"));
    // The load window opens first in the program's folder, or the user's home for an installed
    // program.
    loadSave.CurrentFolder = FileSystem::StartFolder();
    loadSave.CurrentDrive = FileSystem::DriveOf(loadSave.CurrentFolder);
    FileSystem::SetCurrentFolder(loadSave.CurrentFolder);
    level.AddView([this](const LevelChange& change) { LevelChanged(change); });
    // The grid, and right of it the analysis when it is shown; hidden, it takes no room.
    auto* client = new QWidget(this);
    auto* row = new QHBoxLayout(client);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    canvas = new GridCanvas(this);
    analysis = new AnalysisPanel(client, level, canvas);
    analysis->hide();
    row->addWidget(canvas, 0, Qt::AlignTop);
    row->addWidget(analysis);
    undoStack = new QUndoStack(this);
    history = std::make_unique<EditHistory>(this, undoStack);
    setCentralWidget(client);
    BuildMenus();
    RefreshRecentLevels();
    BuildStatusLine();
    // The grid is pixel art of a fixed size: the window neither grows nor shrinks.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setAcceptDrops(true);
    mnuShowAnalysis->setChecked(game::StoredAnalysisShown());
    ShowAnalysis(mnuShowAnalysis->isChecked());
    Form_Load();
    EnableCopy();
    EnablePaste();
}

frmQuobixEditorZN::~frmQuobixEditorZN()
{
    // The analysis watches the level, which goes with this window before its child widgets do.
    delete analysis;
}

void frmQuobixEditorZN::BuildMenus()
{
    auto item = [this](QMenu* menu, const char* caption, void (frmQuobixEditorZN::*handler)()) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        if (handler)
            connect(action, &QAction::triggered, this, handler);
        else
            action->setEnabled(false); // its window is not part of the editor yet
        return action;
    };

    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuNew = item(mnuFile, "&New", &frmQuobixEditorZN::mnuNew_Click);
    mnuFile->addSeparator();
    mnuLoad = item(mnuFile, "&Load...", &frmQuobixEditorZN::mnuLoad_Click);
    mnuRecent = mnuFile->addMenu(QStringLiteral("&Recent Levels"));
    mnuFile->addSeparator();
    mnuSave = item(mnuFile, "&Save", &frmQuobixEditorZN::mnuSave_Click);
    mnuSaveAs = item(mnuFile, "Save &As...", &frmQuobixEditorZN::mnuSaveAs_Click);
    mnuExportPicture
        = item(mnuFile, "Export &Picture...", &frmQuobixEditorZN::mnuExportPicture_Click);
    mnuFile->addSeparator();
    mnuExit = item(mnuFile, "E&xit", &frmQuobixEditorZN::mnuExit_Click);

    // Every change to the grid can be taken back: undo names the step it takes back.
    mnuEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    mnuUndo = undoStack->createUndoAction(this, QStringLiteral("&Undo"));
    mnuUndo->setShortcuts({ QKeySequence(Qt::CTRL | Qt::Key_Z) });
    mnuRedo = undoStack->createRedoAction(this, QStringLiteral("&Redo"));
    mnuRedo->setShortcuts(
        { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y) });
    mnuEdit->addAction(mnuUndo);
    mnuEdit->addAction(mnuRedo);
    mnuEdit->addSeparator();
    // Levels travel as text: Copy writes what Save would, Paste reads what Load would.
    mnuCopy = item(mnuEdit, "&Copy Level", &frmQuobixEditorZN::mnuCopy_Click);
    mnuCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuCopyXsb = item(mnuEdit, "Copy Level as &XSB", &frmQuobixEditorZN::mnuCopyXsb_Click);
    mnuPaste = item(mnuEdit, "&Paste Level", &frmQuobixEditorZN::mnuPaste_Click);
    mnuPaste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    connect(mnuEdit, &QMenu::aboutToShow, this, &frmQuobixEditorZN::EnablePaste);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
        &frmQuobixEditorZN::EnablePaste);

    mnuLevel = menuBar()->addMenu(QStringLiteral("&Level"));
    mnuClear = item(mnuLevel, "&Clear", &frmQuobixEditorZN::mnuClear_Click);
    mnuLevel->addSeparator();
    mnuDisplace = item(mnuLevel, "&Displace...", &frmQuobixEditorZN::mnuDisplace_Click);
    mnuLevel->addSeparator();
    mnuQBX = item(mnuLevel, "QBX &text...", &frmQuobixEditorZN::mnuQBX_Click);
    mnuLevel->addSeparator();
    mnuInfo = item(mnuLevel, "&Info...", &frmQuobixEditorZN::mnuInfo_Click);
    mnuLevel->addSeparator();
    mnuPlay = item(mnuLevel, "&Play...", &frmQuobixEditorZN::mnuPlay_Click);
    mnuSolve = item(mnuLevel, "S&olve...", &frmQuobixEditorZN::mnuSolve_Click);
    mnuSolverLimits
        = item(mnuLevel, "Solver &Limits...", &frmQuobixEditorZN::mnuSolverLimits_Click);
    mnuLevel->addSeparator();
    mnuShowAnalysis = item(mnuLevel, "Show &Analysis", &frmQuobixEditorZN::mnuShowAnalysis_Click);

    mnuSymbols = menuBar()->addMenu(QStringLiteral("&Symbol Selection"));
    mnuPick = item(mnuSymbols, "By &Picking", &frmQuobixEditorZN::mnuPick_Click);
    mnuSequential
        = item(mnuSymbols, "&Sequential on click", &frmQuobixEditorZN::mnuSequential_Click);

    mnuSkin = menuBar()->addMenu(QStringLiteral("S&kin"));
    mnuKRV = item(mnuSkin, "&KRV", &frmQuobixEditorZN::mnuKRV_Click);
    mnuTLM = item(mnuSkin, "&TLM", &frmQuobixEditorZN::mnuTLM_Click);
    mnuBNZ = item(mnuSkin, "&BNZ", &frmQuobixEditorZN::mnuBNZ_Click);

    mnuHlp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp = item(mnuHlp, "&Help", &frmQuobixEditorZN::mnuHelp_Click);
    mnuHelpPlaying = item(mnuHlp, "&Playing and Solving", &frmQuobixEditorZN::mnuHelpPlaying_Click);
    mnuAbout = item(mnuHlp, "&About", &frmQuobixEditorZN::mnuAbout_Click);

    // The platform's standard keys, on top of the access keys of the captions. Some platforms
    // name no key for Save As or Exit; there the usual desktop keys stand in.
    auto standardKey = [](QKeySequence::StandardKey key, QKeyCombination fallback) {
        return QKeySequence::keyBindings(key).value(0, QKeySequence(fallback));
    };
    mnuNew->setShortcut(standardKey(QKeySequence::New, Qt::CTRL | Qt::Key_N));
    mnuLoad->setShortcut(standardKey(QKeySequence::Open, Qt::CTRL | Qt::Key_O));
    mnuSave->setShortcut(standardKey(QKeySequence::Save, Qt::CTRL | Qt::Key_S));
    mnuSaveAs->setShortcut(standardKey(QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    mnuExit->setShortcut(standardKey(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q));

    for (QAction* checkable : { mnuPick, mnuSequential, mnuKRV, mnuTLM, mnuBNZ, mnuShowAnalysis })
        checkable->setCheckable(true);
    mnuPick->setChecked(true);
    mnuKRV->setChecked(true);
}

void frmQuobixEditorZN::BuildStatusLine()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setBold(true);
    auto field = [this, &font](int x, int width, const char* text) {
        auto* edit = new QLineEdit(QString::fromLatin1(text), canvas);
        edit->setGeometry(x, 537, width, 20);
        edit->setFont(font);
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        QPalette colours = edit->palette();
        colours.setColor(QPalette::Base, colours.color(QPalette::Button));
        edit->setPalette(colours);
        // A text longer than the field shows its start; the end is clipped.
        edit->setCursorPosition(0);
        connect(edit, &QLineEdit::cursorPositionChanged, edit, [edit](int, int now) {
            if (now != 0)
                edit->setCursorPosition(0);
        });
        return edit;
    };
    txtSelected = field(200, 151, "");
    txtXandY = field(350, 103, "");
    txtRowAndCell = field(452, 119, "");
    txtObjects = field(571, 87, "Objects = 0");
    txtTargets = field(657, 87, "Targets = 0");
    txtMen = field(743, 53, "Men = 0");
}

void frmQuobixEditorZN::Form_Load()
{
    ShowEmptyGrid();
    ShowSymbolsToSelect();
    SetSymbolToShow();
}

void frmQuobixEditorZN::Form_Activate()
{
    MainFormTitle();
    RefreshRecentLevels();
}

void frmQuobixEditorZN::RefreshRecentLevels()
{
    mnuRecent->clear();
    const QStringList paths = recent.List();
    for (int k = 0; k < paths.size(); ++k) {
        const QString path = paths[k];
        // An "&" in a name is shown as it stands, not as an access key.
        const QString shown
            = QDir::toNativeSeparators(path).replace(QLatin1Char('&'), QLatin1String("&&"));
        mnuRecent->addAction(QStringLiteral("&%1 %2").arg(k + 1).arg(shown), this,
            [this, path] { OpenRecentLevel(path); });
    }
    mnuRecent->addSeparator();
    mnuRecent->addAction(QStringLiteral("&Clear List"), this, [this] {
        recent.Clear();
        RefreshRecentLevels();
    });
    mnuRecent->setEnabled(!paths.isEmpty());
}

void frmQuobixEditorZN::OpenRecentLevel(const QString& path)
{
    if (!OpenLevelFile(path) && !QFileInfo::exists(path)) {
        recent.Forget(path);
        RefreshRecentLevels();
    }
}

void frmQuobixEditorZN::RememberDone(const QString& path)
{
    // Every level file read or written, as it was named, before a read XSB file is renamed.
    if (!path.isEmpty())
        recent.Remember(path);
}

void frmQuobixEditorZN::Form_Unload()
{
    // Ends the program at once; unsaved changes are dropped without a question.
    QApplication::closeAllWindows();
    QApplication::quit();
}

void frmQuobixEditorZN::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
    QMainWindow::changeEvent(event);
}

void frmQuobixEditorZN::closeEvent(QCloseEvent* event)
{
    event->accept();
    Form_Unload();
}

void frmQuobixEditorZN::MainFormTitle()
{
    QString caption = QStringLiteral("Quobix level editor");
    if (!level.LevelFileName.isEmpty())
        caption += QStringLiteral(": Level ") + level.LevelFolder + level.LevelFileName;
    setWindowTitle(caption);
}

void frmQuobixEditorZN::mnuNew_Click()
{
    history->Begin(QStringLiteral("New"));
    level.New();
    history->End();
}

void frmQuobixEditorZN::mnuSave_Click()
{
    if (level.LevelFileName.isEmpty()) {
        mnuSaveAs_Click();
        return;
    }
    if (modText::CheckLevelBeforeSave(level) != vbYes)
        return;
    loadSave.CurrentFolder = level.LevelFolder;
    loadSave.FileName = level.LevelFileName;
    const QString path = loadSave.CurrentFolder + loadSave.FileName;
    // Ask whenever a file of that name exists, also one that cannot be opened for reading.
    if (QFileInfo::exists(path) && modMessages::AskOverwriteLevel(path) != vbYes)
        return;
    // The file's content must match the notation its extension names.
    if (frmLoadOrSave::SaveFile(this, level, loadSave.CurrentFolder, loadSave.FileName,
            modLoadOrSave::FileTypeOfName(loadSave.FileName)))
        RememberDone(path);
    Form_Activate();
}

void frmQuobixEditorZN::mnuSaveAs_Click()
{
    if (modText::CheckLevelBeforeSave(level) != vbYes)
        return;
    frmLoadOrSave dialog(this, frmLoadOrSave::SaveMode, level, loadSave);
    dialog.exec();
    RememberDone(dialog.DonePath());
    Form_Activate();
}

void frmQuobixEditorZN::mnuLoad_Click()
{
    std::optional<LoadResult> loaded;
    {
        frmLoadOrSave dialog(this, frmLoadOrSave::LoadMode, level, loadSave);
        dialog.exec();
        RememberDone(dialog.DonePath());
        loaded = dialog.Loaded();
    }
    Form_Activate();
    if (loaded)
        ShowLoadedLevel(*loaded);
}

bool frmQuobixEditorZN::OpenLevelFile(const QString& path)
{
    const QFileInfo file(path);
    loadSave.CurrentFolder = FileSystem::WithSeparator(QDir::cleanPath(file.absolutePath()));
    loadSave.CurrentDrive = FileSystem::DriveOf(loadSave.CurrentFolder);
    FileSystem::SetCurrentFolder(loadSave.CurrentFolder);
    loadSave.FileName = file.fileName();
    const auto loaded = frmLoadOrSave::LoadFile(this, loadSave.CurrentFolder, loadSave.FileName,
        modLoadOrSave::FileTypeOfName(loadSave.FileName));
    if (loaded) {
        RememberDone(loadSave.CurrentFolder + loadSave.FileName);
        loadSave.FileName = loaded->level.LevelFileName;
    }
    Form_Activate();
    if (loaded)
        ShowLoadedLevel(*loaded);
    return loaded.has_value();
}

void frmQuobixEditorZN::ShowLoadedLevel(const LoadResult& loaded)
{
    history->Reset();
    level = loaded.level;
    for (const Message& warning : loaded.warnings)
        Show(warning);
}

void frmQuobixEditorZN::mnuExit_Click() { close(); }

namespace {
    const QString QbxType = QStringLiteral("application/x-quobix-qbx");
    const QString XsbType = QStringLiteral("application/x-quobix-xsb");

    // The one level file in a drag, or nothing.
    QString DroppedLevel(const QMimeData* data)
    {
        if (!data->hasUrls() || data->urls().size() != 1 || !data->urls().first().isLocalFile())
            return {};
        const QString path = data->urls().first().toLocalFile();
        const QString suffix = QFileInfo(path).suffix().toLower();
        return suffix == QLatin1String("qbx") || suffix == QLatin1String("xsb") ? path : QString();
    }
}

void frmQuobixEditorZN::EnableCopy()
{
    const bool hasLevel = level.HasLevel();
    mnuCopy->setEnabled(hasLevel);
    mnuCopyXsb->setEnabled(hasLevel);
}

void frmQuobixEditorZN::EnablePaste()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    mnuPaste->setEnabled(data
        && (data->hasFormat(QbxType) || data->hasFormat(XsbType)
            || !data->text().trimmed().isEmpty()));
}

void frmQuobixEditorZN::CopyLevel(qint16 notation)
{
    const QByteArray bytes = modLoadOrSave::LevelFileBytes(level, notation);
    if (bytes.isEmpty())
        return;
    auto* data = new QMimeData;
    data->setData(notation == XsbFile ? XsbType : QbxType, bytes);
    data->setText(QString::fromUtf8(bytes).replace(CRLF, LF));
    QGuiApplication::clipboard()->setMimeData(data);
}

void frmQuobixEditorZN::mnuCopy_Click() { CopyLevel(QbxFile); }

void frmQuobixEditorZN::mnuCopyXsb_Click() { CopyLevel(XsbFile); }

void frmQuobixEditorZN::mnuPaste_Click()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return;
    // Our own copies say their notation; other text is told by its look.
    const LoadResult pasted = data->hasFormat(QbxType)
        ? modLoadOrSave::ReadLevelBytes(data->data(QbxType), QbxFile)
        : data->hasFormat(XsbType) ? modLoadOrSave::ReadLevelBytes(data->data(XsbType), XsbFile)
                                   : modLoadOrSave::ReadLevelText(data->text());
    for (const Message& message : pasted.messages)
        Show(message);
    if (!pasted.ok)
        return;
    LevelDocument without(pasted.level);
    // A pasted level has no file yet; Save asks for one.
    without.LevelFolder = level.LevelFolder;
    without.LevelFileName.clear();
    history->Begin(QStringLiteral("Paste"));
    level = without;
    history->End();
    for (const Message& warning : pasted.warnings)
        Show(warning);
}

void frmQuobixEditorZN::mnuExportPicture_Click()
{
    const QString name = level.LevelFileName.isEmpty()
        ? QStringLiteral("level.png")
        : QFileInfo(level.LevelFileName).completeBaseName() + QStringLiteral(".png");
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export Picture"),
        loadSave.CurrentFolder + name, QStringLiteral("PNG pictures (*.png)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        path += QStringLiteral(".png");
    RunTimeError error;
    if (!LevelPicture::Export(level, path, error))
        Show(modMessages::SavingError(path, error));
}

void frmQuobixEditorZN::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedLevel(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmQuobixEditorZN::dragMoveEvent(QDragMoveEvent* event)
{
    if (!DroppedLevel(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmQuobixEditorZN::dropEvent(QDropEvent* event)
{
    const QString path = DroppedLevel(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    OpenLevelFile(path);
}

void frmQuobixEditorZN::mnuClear_Click()
{
    history->Begin(QStringLiteral("Clear"));
    level.Clear();
    history->End();
}

// One item of a group carries the check mark. The group is kept by hand: Qt draws the items of
// an exclusive QActionGroup as radio buttons, not with the check marks these menus show.
void frmQuobixEditorZN::CheckOnly(QAction* item, std::initializer_list<QAction*> group)
{
    for (QAction* other : group)
        other->setChecked(other == item);
}

void frmQuobixEditorZN::mnuPick_Click() { CheckOnly(mnuPick, { mnuPick, mnuSequential }); }

void frmQuobixEditorZN::mnuSequential_Click()
{
    CheckOnly(mnuSequential, { mnuPick, mnuSequential });
}

void frmQuobixEditorZN::SelectSkin(QAction* item, SkinWindow* (*instance)())
{
    CheckOnly(item, { mnuKRV, mnuTLM, mnuBNZ });
    if (CurrentSkin == instance())
        return;
    CurrentSkin = instance();
    ChangeGraphics();
}

void frmQuobixEditorZN::mnuKRV_Click()
{
    SelectSkin(mnuKRV, [] { return static_cast<SkinWindow*>(SkinKRVInstance(true)); });
}

void frmQuobixEditorZN::mnuTLM_Click()
{
    SelectSkin(mnuTLM, [] { return static_cast<SkinWindow*>(SkinTLMInstance(true)); });
}

void frmQuobixEditorZN::mnuBNZ_Click()
{
    SelectSkin(mnuBNZ, [] { return static_cast<SkinWindow*>(SkinBNZInstance(true)); });
}

// --- Commands that open the other windows --------------------------------------------

void frmQuobixEditorZN::mnuDisplace_Click()
{
    modText::PrepareLevelForDisplace(level);
    if (level.FirstUsedLine == 0) {
        ShowMessageBox(QStringLiteral("There's nothing to displace."),
            QStringLiteral("Level rotation"), MsgButtons::OK, MsgIcon::Critical);
        return;
    }
    QPoint where(DisplaceStartLeft, DisplaceStartTop);
    for (bool again = true; again;) {
        // A fresh window for every showing: it is placed by its load, like a window that was
        // unloaded and loaded again.
        frmDisplace dialog(this, where);
        const modDisplace::DisplaceChoices choices = modDisplace::ComputeDisplaceChoices(level);
        if (!choices.possible) {
            modMessages::ShowNoDisplacementPossible();
            break;
        }
        dialog.FillDisplaceChoices(choices);
        history->Begin(QString());
        dialog.exec();
        // A showing that ends without an unload (the program quitting) starts no other.
        again = dialog.Again();
        where = dialog.PositionTwips();
        if (dialog.PerformedCommand >= 0)
            modDisplace::PerformDisplacement(level, dialog.PerformedCommand, dialog.PerformedText);
        else
            ShowLevelInGrid();
        history->End(DisplaceStepName(dialog.PerformedCommand));
    }
    Form_Activate();
}

// Each window is created afresh, so that it loads from the level as it is now.

void frmQuobixEditorZN::mnuQBX_Click()
{
    frmQBX window(this, level);
    window.exec();
}

void frmQuobixEditorZN::mnuInfo_Click()
{
    history->Begin(QStringLiteral("Info"));
    {
        frmLevelInfo window(this, level);
        window.exec();
    }
    history->End();
}

// Both play on a copy: the level being edited never changes.
void frmQuobixEditorZN::mnuPlay_Click() { frmPlay::PlayLevel(this, level); }

void frmQuobixEditorZN::mnuSolve_Click() { frmPlay::SolveLevel(this, level); }

void frmQuobixEditorZN::mnuSolverLimits_Click()
{
    frmSolverLimits window(this);
    if (window.exec() == QDialog::Accepted)
        ShowAnalysis(mnuShowAnalysis->isChecked());
}

void frmQuobixEditorZN::mnuShowAnalysis_Click()
{
    game::StoreAnalysisShown(mnuShowAnalysis->isChecked());
    ShowAnalysis(mnuShowAnalysis->isChecked());
}

void frmQuobixEditorZN::ShowAnalysis(bool shown)
{
    game::SolverLimits limits = game::StoredSolverLimits();
    limits.seconds = game::StoredAnalysisSeconds();
    analysis->SetLimits(limits);
    if (shown && analysis->isVisible())
        analysis->AnalyseNow();
    analysis->setVisible(shown);
}

void frmQuobixEditorZN::mnuHelp_Click() { frmHelpPage::ShowHelp(this); }

void frmQuobixEditorZN::mnuHelpPlaying_Click()
{
    frmHelpPlaying window(this);
    window.exec();
}

void frmQuobixEditorZN::mnuAbout_Click()
{
    frmAboutQuobixEdit window(this);
    window.exec();
}

} // namespace quobix
