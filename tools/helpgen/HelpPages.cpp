#include "HelpPages.h"

#include "geometry/GridGeometry.h"

#include "EditorShots.h"
#include "PageCanvas.h"

#include "dialogs/frmLoadOrSave.h"
#include "editor/frmQuobixEditorZN.h"
#include "game/GamePosition.h"
#include "messages/modMessages.h"
#include "windows/frmPlay.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <cmath>

using namespace quobix;

namespace helpgen {

namespace {
    // A small valid level: one man, three objects and three targets inside a hexagonal wall.
    const QStringList SampleLevel { QStringLiteral("   ####"), QStringLiteral("  #  .#"),
        QStringLiteral("  # $$ #"), QStringLiteral(" #  @ .#"), QStringLiteral("  # *  #"),
        QStringLiteral("  #   #"), QStringLiteral("   ####") };
    constexpr int SampleTop = 2;

    // The texts that come with the sample level.
    const char* SampleTopComment = "Little hive\r\nA first level";
    const char* SampleAuthor = "Mira Lindqvist";
    const char* SampleBottomComment = "Have fun!";

    QPoint CellCentre(int row, int cell) { return quobix::geometry::Cell { row, cell }.Centre(); }

    // Level files to fill the file lists of the load and save windows.
    QString PrepareLevelFolder()
    {
        const QString folder = QDir::tempPath() + QStringLiteral("/quobix-help/levels/");
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        const char* names[] = { "hive.qbx", "garden.qbx", "harbour.qbx", "tower.xsb" };
        for (const char* name : names) {
            QFile file(folder + QLatin1String(name));
            if (file.open(QIODevice::WriteOnly))
                file.write(" # #\r\n# @ #\r\n");
        }
        return folder;
    }

    QImage Scaled(const QImage& image, double factor)
    {
        return image.scaledToWidth(qRound(image.width() * factor), Qt::SmoothTransformation);
    }

    QString Plain(QAction* item) { return item->text().remove(QLatin1Char('&')); }

    QImage Page1(EditorShots& shots)
    {
        PageCanvas page(QSize(639, 524));
        page.Title(QStringLiteral("Quobix editor help  \u2013  the grid, skins and symbols"));
        frmQuobixEditorZN& window = shots.Window();

        shots.SetLevel(SampleLevel, SampleTop);
        const QImage grid = shots.Client(QRect(0, 0, 236, 176));
        QImage rows[3];
        QAction* skins[3] = { window.mnuKRV, window.mnuTLM, window.mnuBNZ };
        shots.SetLevel({ QStringLiteral(" #$@.*+") }, 2);
        for (int s = 0; s < 3; ++s) {
            skins[s]->trigger();
            rows[s] = shots.Client(QRect(28, 16, 178, 34));
        }
        window.mnuKRV->trigger();
        shots.SetLevel({}, 1);
        const QImage palette = shots.Client(QRect(0, 528, 352, 30));

        int y = page.Text(10, 40, 372,
            QStringLiteral(
                "<h3>The grid</h3>"
                "<p>A level is drawn on a fixed grid of <b>26 rows of 32 hexagonal cells</b>. "
                "Neighbouring rows are offset by half a cell. <b>Level &gt; Clear</b> empties "
                "the whole grid.</p>"
                "<h3>Skins</h3>"
                "<p>The <b>Skin</b> menu has three sets of cell pictures, <b>KRV</b>, <b>TLM</b> "
                "and <b>BNZ</b>. Choosing one redraws the grid and the palette; the level itself "
                "stays the same. Here are a wall, an object, a man, a target, an object on a "
                "target and a man on a target in each skin:</p>"));
        for (int s = 0; s < 3; ++s) {
            page.Text(14, y + 10 + 42 * s, 40,
                QStringLiteral("<b>") + Plain(skins[s]) + QStringLiteral("</b>"));
            page.Shot(rows[s], 60, y + 42 * s);
        }
        y += 3 * 42 + 2;
        y = page.Text(10, y, 372,
            QStringLiteral(
                "<h3>Two ways of selecting a symbol</h3>"
                "<p>Choose in the <b>Symbol Selection</b> menu, at any time:</p>"
                "<ul><li><b>By Picking</b> (the start setting): click a symbol in the "
                "palette below the grid, with either mouse button. Every click in the grid "
                "then places that symbol.</li>"
                "<li><b>Sequential on click</b>: every click in a cell steps that cell to the "
                "next symbol with the <b>left</b> button, to the previous one with the "
                "<b>right</b> button. The palette does nothing in this mode.<br>"
                "<i>Floor \u2192 Wall \u2192 Object \u2192 Man \u2192 Target \u2192 Object on "
                "target \u2192 Man on target \u2192 Floor</i></li></ul>"));

        const QRect shot = page.Shot(grid, 394, 42);
        page.Caption(shot, QStringLiteral("A level in the grid (skin KRV)"));
        const QRect symbols = page.Shot(shots.Menu(window.mnuSymbols), 394, 250);
        page.Caption(symbols, QStringLiteral("Symbol Selection menu"));
        const QRect skinMenu = page.Shot(shots.Menu(window.mnuSkin), 394, 330);
        page.Caption(skinMenu, QStringLiteral("Skin menu"));

        y = std::max(y, skinMenu.bottom() + 22);
        const QRect strip = page.Shot(palette, 10, y + 4);
        page.Text(10, strip.bottom() + 7, 500,
            QStringLiteral("The palette of the seven symbols, floor first, and the field that "
                           "names the selected symbol."));
        return page.Result();
    }

    QImage Page2(EditorShots& shots)
    {
        PageCanvas page(QSize(639, 505));
        page.Title(QStringLiteral("Placing symbols, the status line and a new level"));
        frmQuobixEditorZN& window = shots.Window();

        // A stroke of walls painted with the left button held down.
        shots.SetLevel({}, 1);
        window.mnuPick->trigger();
        shots.Click(1, 28 * 1 + 12, 544);
        shots.Drag({ CellCentre(3, 2), CellCentre(3, 3), CellCentre(4, 4), CellCentre(4, 5),
            CellCentre(4, 6), CellCentre(3, 7), CellCentre(3, 8) });
        const QImage stroke = shots.Client(QRect(0, 0, 236, 96));

        shots.SetLevel(SampleLevel, SampleTop);
        shots.Click(1, 28 * 1 + 12, 544);
        shots.Click(1, CellCentre(4, 7).x(), CellCentre(4, 7).y());
        const QImage statusValid = shots.Client(QRect(196, 535, 600, 23));
        shots.Click(1, 21, 20);
        const QImage statusInvalid = shots.Client(QRect(196, 535, 600, 23));

        int y = page.Text(10, 40, 380,
            QStringLiteral(
                "<h3>Placing symbols</h3>"
                "<p>Click a cell to put the selected symbol there. Hold the <b>left</b> button "
                "down and move the mouse to paint more cells in one stroke. A <b>Man</b> or a "
                "<b>Man on target</b> is placed one click at a time; it never paints.</p>"));
        const QRect strokeShot = page.Shot(stroke, 398, 42);
        page.Caption(strokeShot, QStringLiteral("Walls painted in one stroke"));

        y = std::max(y, strokeShot.bottom() + 20);
        y = page.Text(10, y, 619, QStringLiteral("<h3>The status line below the grid</h3>"));
        const QRect valid = page.Shot(statusValid, 10, y + 2);
        const QRect invalid = page.Shot(statusInvalid, 10, valid.bottom() + 6);
        y = page.Text(10, invalid.bottom() + 8, 619,
            QStringLiteral(
                "<p><b>X = \u2026, Y = \u2026</b> is where the mouse was pressed, in pixels. "
                "<b>Row = \u2026, Cell = \u2026</b> names the cell. <b>Invalid location</b> "
                "means the click was on a grid line or outside the grid; nothing changes "
                "then.</p>"
                "<p><b>Objects</b>, <b>Targets</b> and <b>Men</b> count the level (an object "
                "on a target counts as an object and a target, a man on a target as a man and "
                "a target). A level is <b>valid</b> with exactly one man and as many objects "
                "as targets, at least one.</p>"
                "<h3>Only one man</h3>"
                "<p>With <b>By Picking</b>, placing a man removes the men placed before. "
                "Only with <b>Sequential on click</b> can the grid hold more than one man, "
                "and then the level is not valid.</p>"
                "<h3>A new level</h3>"
                "<p><b>File &gt; New</b> empties the grid and forgets the level's file. The "
                "window title shows the folder and file name of a loaded or saved level, "
                "e.g. <code>Quobix level editor: Level /home/mira/levels/hive.qbx</code>; "
                "after New it shows <code>Quobix level editor</code> again. The author and "
                "the comments stay until you change them.</p>"));
        Q_UNUSED(y);
        return page.Result();
    }

    QImage Page3(EditorShots& shots)
    {
        PageCanvas page(QSize(639, 505));
        page.Title(QStringLiteral("Moving the level and viewing it as text"));
        shots.SetLevel(SampleLevel, SampleTop);

        int y = page.Text(10, 40, 370,
            QStringLiteral(
                "<h3>Displace</h3>"
                "<p><b>Level &gt; Displace...</b> opens a window of buttons that move the whole "
                "level inside the grid:</p>"
                "<ul><li>the middle button centres the level;</li>"
                "<li>the eight arrows shift it; the list beside an arrow gives the number of "
                "steps;</li>"
                "<li>the round arrow rotates it by the angle in its list, in steps of "
                "60\u00b0;</li>"
                "<li>the two double arrows mirror it top to bottom and left to right.</li></ul>"
                "<p>Buttons of displacements that would push the level out of the grid are "
                "disabled. After each click the grid is redrawn and the window comes back, so "
                "you can make several displacements in a row. Close the window when "
                "done.</p>"));
        const WindowShot displace = shots.DisplaceWindow();
        if (!displace.image.isNull()) {
            const QRect at = page.Window(displace.image, displace.title, 398, 44);
            page.Caption(at, QStringLiteral("Up is disabled: the level is too near the top"));
        }

        const WindowShot text = shots.TextView();
        y = page.Text(10, std::max(y, 200) + 4, 370,
            QStringLiteral(
                "<h3>QBX text</h3>"
                "<p><b>Level &gt; QBX text...</b> shows the level as text, one line per grid "
                "row, as the <code>.qbx</code> file notation writes it:</p>"
                "<p><code>#</code> wall &nbsp; <code>$</code> object &nbsp; <code>@</code> man "
                "&nbsp; <code>.</code> target<br><code>*</code> object on target &nbsp; "
                "<code>+</code> man on target &nbsp; blank: floor</p>"
                "<p>The cells of a row stand on every second character, and neighbouring rows "
                "are offset by one character: that is how the hexagonal grid looks as text. "
                "You can select and copy the text (<b>Ctrl+C</b>) but not change it.</p>"));
        const QRect view = page.Window(text.image.copy(0, 0, 200, 150), text.title, 398, 260);
        page.Caption(view, QStringLiteral("The sample level as text (top left part)"));
        Q_UNUSED(y);
        return page.Result();
    }

    QImage Page4(EditorShots& shots, const QString& levels)
    {
        PageCanvas page(QSize(639, 524));
        page.Title(QStringLiteral("Saving a level"));
        shots.SetLevel(SampleLevel, SampleTop);
        shots.Window().Level().SetTexts(QString::fromLatin1(SampleAuthor),
            QString::fromLatin1(SampleTopComment), QString::fromLatin1(SampleBottomComment));
        const QString file = shots.SavedFile(levels, QStringLiteral("hive.qbx"));
        if (file.isEmpty())
            return {};
        const WindowShot save = shots.LoadOrSaveWindow(2, levels, [](frmLoadOrSave&) {});
        const QRect at = page.Window(Scaled(save.image, 0.55), save.title, 10, 40);

        const int right = at.right() + 14;
        page.Text(right, 40, 629 - right,
            QStringLiteral(
                "<p>The file holds, in this order, the top comment, the level (moved to the "
                "left, without blank lines above it), the author line and the bottom "
                "comment:</p>"
                "<pre style='font-family: Liberation Mono; font-size: 11px; margin: 0px'>")
                + file.toHtmlEscaped().remove(QLatin1Char('\r')) + QStringLiteral("</pre>"));

        const int y = at.bottom() + 12;
        const int column = 300;
        page.Text(10, y, column,
            QStringLiteral(
                "<p><b>File &gt; Save As...</b> opens this window. <b>File &gt; Save</b> writes "
                "to the level's own file again; a level without a folder and file name yet "
                "is saved with Save As.</p>"
                "<p>An empty grid is never saved. For an invalid level you are warned and "
                "asked whether to save it anyway.</p>"
                "<p>Edit the <b>Top comment</b>, <b>Author</b> and <b>Bottom comment</b> "
                "here or with <b>Level &gt; Info...</b></p>"));
        page.Text(10 + column + 14, y, 629 - column - 24,
            QStringLiteral("<p><b>File Type</b>: <code>*.qbx</code> (the editor's own rows) or "
                           "<code>*.xsb</code> (the cells of a row packed side by side).</p>"
                           "<p>Click a file in the <b>Files</b> list or type a name in <b>File "
                           "Name</b>; a name without extension gets <code>.qbx</code> or "
                           "<code>.xsb</code>. Before an existing file is replaced you are asked. "
                           "<b>Double-click</b> a file name to save at once.</p>"));
        return page.Result();
    }

    QImage Page5(EditorShots& shots, const QString& levels)
    {
        PageCanvas page(QSize(639, 524));
        page.Title(QStringLiteral("Loading a level"));
        const WindowShot load = shots.LoadOrSaveWindow(1, levels, [](frmLoadOrSave& dialog) {
            const auto items
                = dialog.LevelFile->findItems(QStringLiteral("hive.qbx"), Qt::MatchExactly);
            if (!items.isEmpty())
                dialog.LevelFile->setCurrentItem(items.first());
        });
        const QRect at = page.Window(Scaled(load.image, 0.62), load.title, 10, 40);
        page.Text(at.right() + 12, 40, 639 - at.right() - 20,
            QStringLiteral(
                "<p><b>File &gt; Load...</b> opens this window.</p>"
                "<p>Choose the <b>Drive</b>, the <b>Folder</b> and the <b>File Type</b>, "
                "<code>*.qbx</code> or <code>*.xsb</code>. The file name can only be taken "
                "from the <b>Files</b> list. Click <b>Load</b>, or <b>double-click</b> a file "
                "name to load it at once.</p>"));

        int y = at.bottom() + 10;
        y = page.Text(10, y, 619,
            QStringLiteral(
                "<p>The editor sorts the lines of the file into top comment, level, author "
                "(the line starting with <code>Author:</code>) and bottom comment. A file "
                "laid out differently may be split in the wrong places: look at the result "
                "with <b>Level &gt; Info...</b></p>"
                "<p>The loaded level is <b>centred</b> in the grid; when it fits only upside "
                "down, it is flipped top to bottom and you are told so. A level that is not "
                "valid is loaded all the same, with this message:</p>"));
        const WindowShot message = shots.Message([] { modMessages::ShowLoadedLevelInvalid(); });
        page.Window(message.image, message.title, 10, y + 4);
        return page.Result();
    }

    // The play keys around the man's cell: each neighbour shows its letter key and, below it,
    // its keypad key; the direction's name stands outside. centre is the man's cell.
    void PlayKeys(PageCanvas& page, QPointF centre)
    {
        constexpr double radius = 22;
        const double width = std::sqrt(3.0) * radius;
        struct Neighbour {
            QPointF offset;
            const char* letter;
            const char* keypad;
            const char* name;
            int align; // the name stands left or right of the cell
        };
        const Neighbour neighbours[] = {
            { { -width / 2, -1.5 * radius }, "Q", "7", "north-west", Qt::AlignRight },
            { { width / 2, -1.5 * radius }, "E", "9", "north-east", Qt::AlignLeft },
            { { -width, 0 }, "A", "4", "west", Qt::AlignRight },
            { { width, 0 }, "D", "6", "east", Qt::AlignLeft },
            { { -width / 2, 1.5 * radius }, "Z", "1", "south-west", Qt::AlignRight },
            { { width / 2, 1.5 * radius }, "C", "3", "south-east", Qt::AlignLeft },
        };
        const QColor name(0x50, 0x50, 0x50);
        page.Hexagon(centre, radius, QColor(0xdc, 0xdc, 0xdc));
        page.Ball(centre, radius * 0.5, QColor(0xd0, 0x20, 0x20));
        for (const Neighbour& n : neighbours) {
            const QPointF at = centre + n.offset;
            page.Hexagon(at, radius, QColor(0xee, 0xf2, 0xf8));
            page.Label(QRectF(at.x() - 15, at.y() - 16, 30, 18), Qt::AlignCenter,
                QString::fromLatin1(n.letter), 15, true, QColor(0x1f, 0x3a, 0x6e));
            page.Label(QRectF(at.x() - 15, at.y() + 1, 30, 14), Qt::AlignCenter,
                QString::fromLatin1(n.keypad), 11, false, name);
            // Beside the cell; for the slanting directions a little further from the man's row.
            const double lift = n.offset.y() / 3;
            const double side = width / 2 + 4;
            const QRectF box = n.align == Qt::AlignRight
                ? QRectF(at.x() - side - 70, at.y() + lift - 8, 70, 16)
                : QRectF(at.x() + side, at.y() + lift - 8, 70, 16);
            page.Label(
                box, n.align | Qt::AlignVCenter, QString::fromLatin1(n.name), 11, false, name);
        }
    }

    // The grid part of the play window and its status line and buttons, with the rows between
    // them cut out.
    QImage PlayWindowParts(const QImage& window, int width, int gridHeight, int bottomFrom)
    {
        constexpr int gap = 7;
        const int bottomHeight = window.height() - bottomFrom;
        QImage parts(width, gridHeight + gap + bottomHeight, QImage::Format_RGB32);
        parts.fill(Qt::white);
        QPainter painter(&parts);
        painter.drawImage(0, 0, window.copy(0, 0, width, gridHeight));
        painter.drawImage(0, gridHeight + gap, window.copy(0, bottomFrom, width, bottomHeight));
        painter.setPen(QPen(QColor(0x90, 0x90, 0x90), 1, Qt::DashLine));
        painter.drawLine(0, gridHeight + gap / 2, width, gridHeight + gap / 2);
        return parts;
    }

    QImage Page6(EditorShots& shots)
    {
        PageCanvas page(QSize(639, 524));
        page.Title(QStringLiteral("Playing and solving"));
        shots.SetLevel(SampleLevel, SampleTop);
        const WindowShot play = shots.PlayWindow(QStringLiteral("hive.qbx"), [](frmPlay& window) {
            window.MoveMan(geometry::Direction::NorthEast);
            window.MoveMan(geometry::Direction::SouthWest);
            window.MoveMan(geometry::Direction::East);
            window.cmdUndo_Click();
        });

        const int column = 400;
        int y = page.Text(10, 40, column,
            QStringLiteral(
                "<h3>Playing a level</h3>"
                "<p><b>Level &gt; Play...</b> plays a copy of the level; the level being drawn "
                "never changes. Only a valid, closed level can be played: in an <b>open</b> "
                "level the man can walk off the grid.</p>"
                "<p>The keys on the right, a letter or the keypad digit below it, move the man "
                "to a neighbouring cell; the <b>Left</b> and <b>Right</b> arrow keys go west "
                "and east, while <b>Up</b> and <b>Down</b> have no direction on this hexagonal "
                "grid.</p>"
                "<p><b>Click</b> a free cell to walk there, or an <b>object</b> to walk up to "
                "it, by the shortest way from which it can be pushed, and push it once.</p>"));
        PlayKeys(page, QPointF(522, 102));

        y = page.Text(10, y + 4, column,
            QStringLiteral(
                "<h3>Undo, Redo / Step, Restart and Replay</h3>"
                "<p><b>Undo</b> (<b>Ctrl+Z</b>) takes back one step: a whole click-walk with "
                "its push, or one key move; <b>Redo / Step</b> (<b>Ctrl+Shift+Z</b> or "
                "<b>Ctrl+Y</b>) does it again. <b>Restart</b> takes every move back, for Redo / "
                "Step to replay. <b>Replay</b> plays the waiting moves at about 8 moves per "
                "second; the same button pauses and resumes, and any key or click stops it. "
                "After the <b>Level Solved</b> notice the status line says <b>Solved</b> and "
                "the man stops until a step is undone.</p>"));
        const QImage parts = PlayWindowParts(play.image, 470, 176, 530);
        const QRect at = page.Window(Scaled(parts, 205.0 / 470), play.title, 424, 166);

        y = std::max(at.bottom() + 6, y + 4);
        y = page.Text(10, y, 619,
            QStringLiteral(
                "<h3>Solving</h3>"
                "<p><b>Level &gt; Solve...</b>, or <b>Solve</b> in the play window from where "
                "the man stands, finds a solution with the fewest pushes (and a short walk "
                "among those) or proves there is none. A window shows the positions searched "
                "and the time; <b>Cancel</b> stops it. <b>Level &gt; Solver Limits...</b> sets "
                "the time and memory limits (60 s and 1024 MiB unless changed).</p>"
                "<p>A solution has one letter per move: <code>q e a d z c</code> for the six "
                "directions as on the keys, lower case a step, upper case a push: <code>dD</code> "
                "is a step east, then a push east. The solution can be selected and copied "
                "from the result.</p>"));
        // Narrower at the foot: the window's Cancel button sits in the page's bottom right.
        y = page.Text(10, y + 4, 565,
            QStringLiteral(
                "<h3>In the editor and on the command line</h3>"
                "<p><b>Edit &gt; Undo</b> (<b>Ctrl+Z</b>) and <b>Redo</b> (<b>Ctrl+Shift+Z</b> "
                "or <b>Ctrl+Y</b>) take back and redo every change to the grid. <b>File &gt; "
                "Recent Levels</b> lists the last eight levels loaded or saved.</p>"
                "<p><code>quobix-editor FILE</code> opens a level. <code>quobix-editor --solve "
                "FILE...</code> prints one line per file (<code>solved, pushes 9, moves 21, "
                "solution ...</code>, <code>unsolvable</code> or <code>gave up, time limit 60 "
                "s</code>), with <code>--time-limit SECONDS</code> and <code>--memory-limit "
                "MIB</code>; <code>--help</code> lists everything.</p>"));
        return page.Result();
    }
}

QString WriteHelpPages(const QString& folder)
{
    EditorShots shots;
    const QString levels = PrepareLevelFolder();
    const QImage pages[] = { Page1(shots), Page2(shots), Page3(shots), Page4(shots, levels),
        Page5(shots, levels), Page6(shots) };
    QDir(QDir::tempPath() + QStringLiteral("/quobix-help")).removeRecursively();
    for (int k = 0; k < int(std::size(pages)); ++k) {
        if (pages[k].isNull())
            return QStringLiteral("page %1 could not be painted").arg(k + 1);
        const QString path
            = folder + QStringLiteral("/help") + QString::number(k + 1) + QStringLiteral(".png");
        if (!pages[k].save(path, "PNG"))
            return QStringLiteral("cannot write ") + path;
    }
    return {};
}

} // namespace helpgen
