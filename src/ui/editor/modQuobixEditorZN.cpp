#include "editor/modQuobixEditorZN.h"

#include "displace/DisplaceState.h"
#include "editor/EditorState.h"
#include "editor/frmQuobixEditorZN.h"
#include "level/LevelState.h"
#include "messages/LoadSaveState.h"
#include "platform/FileSystem.h"
#include "platform/MessageSeam.h"
#include "skins/SkinKRV.h"
#include "skins/SkinState.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QPushButton>
#include <cmath>

static void InitPictureResources()
{
    // The pictures live in a static library; the linker would drop their registration.
    Q_INIT_RESOURCE(skins);
}

namespace quobix::modQuobixEditorZN {

namespace {
    qint16 ShowQtMessageBox(
        const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon)
    {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(title);
        box.setText(QString(text).replace(QChar(13), QChar(10)));
        box.setIcon(icon == MsgIcon::Critical ? QMessageBox::Critical
                : icon == MsgIcon::Question   ? QMessageBox::Question
                                              : QMessageBox::Warning);
        if (buttons == MsgButtons::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::No);
            return box.exec() == QMessageBox::Yes ? vbYes : vbNo;
        }
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return vbOK;
    }

    // Integer division and remainder rounding towards minus infinity, so that a point left of
    // the first cell never lands in a cell.
    int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
}

int Main()
{
    InitGlobals();
    SetMessageBoxHandler(ShowQtMessageBox);
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));

    frmQuobixEditorZN window;
    window.show();
    return QApplication::exec();
}

void InitGlobals()
{
    InitPictureResources();
    InitLevelState();
    InitLoadSaveState();
    InitDisplaceState();

    const QString start = FileSystem::StartFolder();
    CurrentDrive = FileSystem::DriveOf(start);
    CurrentFolder = start;
    FileSystem::SetCurrentFolder(CurrentFolder);
    LevelFileType = 1;
    GridBottom = 527;
    PaletteRight = 192;
    PaletteBottom = 557;
    CurrentRow = CurrentCell = HitOffsetX = HitOffsetY = 0;
    ValidLocation = false;
    ReplacedSymbol = 0;
    Dragging = false;
    DragRow = DragCell = 0;

    CurrentSkin = SkinKRVInstance(true);
    LoadSkinPictures();
    SymbolPicture = SkinPictures[CurrentSymbol];
}

void HitTest(float X, float Y)
{
    const int iy = static_cast<int>(std::nearbyint(Y));
    HitOffsetY = static_cast<qint16>(iy % 20);
    CurrentRow = static_cast<qint16>(iy / 20 + 1);
    const int p = CurrentRow % 2;
    const int ix = static_cast<int>(std::nearbyint(X - 9.0f - 12.0f * p));
    const int cell = FloorDiv(ix, 24);
    CurrentCell = static_cast<qint16>(cell + 1);
    HitOffsetX = static_cast<qint16>(ix - 24 * cell);

    const int oy = HitOffsetY;
    const int ox = HitOffsetX;
    auto toRowAbove = [](bool leftNeighbour) {
        --CurrentRow;
        const int q = CurrentRow % 2;
        CurrentCell = static_cast<qint16>(leftNeighbour ? CurrentCell - q : CurrentCell + 1 - q);
    };
    if (oy == 0) {
        if (ox >= 11 && ox <= 13)
            ValidLocation = false;
        else
            toRowAbove(ox < 11);
    } else if (oy <= 6) {
        const int e = 9 - oy - (oy >= 3 ? 1 : 0) - (oy >= 5 ? 1 : 0);
        if (e < ox && ox < 24 - e) {
            // The 2-pixel band along the slanted edges belongs to no cell.
            if (!(e + 2 < ox && ox < 22 - e))
                ValidLocation = false;
        } else {
            toRowAbove(ox <= e);
        }
    } else if (oy == 7) {
        if (!(ox >= 2 && ox <= 22))
            ValidLocation = false;
    } else {
        if (!(X > 9.0f + 12.0f * p && X < 777.0f + 12.0f * p && ox != 0))
            ValidLocation = false;
    }
    if (CurrentRow < 1 || CurrentRow > GridRows || CurrentCell < 1 || CurrentCell > GridCells)
        ValidLocation = false;
}

int CellX(int row, int cell) { return 9 + 12 * (row % 2) + 24 * (cell - 1); }

int CellY(int row) { return 20 * (row - 1); }

void LoadSkinPictures()
{
    const char* names[8]
        = { "Floor", "Wall", "Object", "Man", "Target", "ObjectOnTarget", "ManOnTarget", "Grid" };
    for (int index = 0; index < 8; ++index) {
        const auto* holder = CurrentSkin->findChild<PictureHolder*>(QLatin1String(names[index]));
        SkinPictures[index] = holder ? &holder->Picture : nullptr;
    }
}

} // namespace quobix::modQuobixEditorZN
