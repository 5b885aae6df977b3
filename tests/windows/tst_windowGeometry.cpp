#include "common/GuiSupport.h"
#include "common/TestRegistry.h"

#include "dialogs/frmDisplace.h"
#include "dialogs/frmLoadOrSave.h"
#include "dialogs/frmLoadOrSaveInfo.h"
#include "editor/GridCanvas.h"
#include "windows/frmAboutQuobixEdit.h"
#include "windows/frmHelp1.h"
#include "windows/frmHelp2.h"
#include "windows/frmHelp3.h"
#include "windows/frmHelp4.h"
#include "windows/frmHelp5.h"
#include "windows/frmHelpPlaying.h"
#include "windows/frmLevelInfo.h"
#include "windows/frmQBX.h"
#include "windows/frmSolverLimits.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

using namespace quobix;

// One window: how it is made, its title, client size and controls (see Controls).
struct WindowCase {
    std::unique_ptr<QWidget> (*make)();
    QString title;
    QSize size;
    QString controls;
};
Q_DECLARE_METATYPE(WindowCase)

namespace {
template <typename T> std::unique_ptr<QWidget> Make() { return std::make_unique<T>(); }
// The windows that show a level show this one; the load/save window opens in the current folder.
LevelDocument Level;
LoadSaveState Place { {}, QDir::currentPath() + '/', {} };
template <typename T> std::unique_ptr<QWidget> Show()
{
    return std::make_unique<T>(nullptr, Level);
}
template <qint16 Mode> std::unique_ptr<QWidget> LoadOrSave()
{
    return std::make_unique<frmLoadOrSave>(nullptr, Mode, Level, Place);
}
void Row(const char* name, const WindowCase& c) { QTest::newRow(name) << c; }

// The client's controls in tab order, each as a button's caption or its class's capitals, then
// @x,y,w,h (@x,y where expected gives only that: a label sized by its font). Marks one cut off by
// the client's edge (an edge or scroll bar lost) and one without a caption or a filling picture.
QString Controls(QWidget* client, const QStringList& expected)
{
    QStringList shown;
    for (QWidget* w = client->nextInFocusChain(); w != client; w = w->nextInFocusChain()) {
        if (w->parentWidget() != client || w->isWindow())
            continue;
        auto* button = qobject_cast<QAbstractButton*>(w);
        auto* label = qobject_cast<QLabel*>(w);
        QString tag = button ? button->text().remove(QLatin1Char('&')) : QString();
        if (button && tag.isEmpty() && button->icon().pixmap(button->iconSize()).isNull())
            tag = QStringLiteral("no picture: ");
        if (label && label->text().isEmpty() && label->pixmap().size() != label->size())
            tag = QStringLiteral("picture not filling: ");
        if (!client->rect().contains(w->geometry()))
            tag = QStringLiteral("outside: ");
        if (tag.isEmpty())
            tag = QString(w->metaObject()->className()).remove(QRegularExpression("[^A-Z]")).mid(1);
        const QRect r = w->geometry();
        const QString at = QString::asprintf("@%d,%d,%d,%d", r.x(), r.y(), r.width(), r.height());
        const bool placedOnly = expected.value(shown.size()).count(QLatin1Char(',')) == 1;
        shown << tag + (placedOnly ? at.section(QLatin1Char(','), 0, 1) : at);
    }
    return shown.join(QLatin1Char(' '));
}
}

// Every window's title, client size and the place of each control.
class TestWindowGeometry : public QObject {
    Q_OBJECT

private slots:
    void init() { modQuobixEditorZN::InitGlobals(); }

    void windows_data()
    {
        QTest::addColumn<WindowCase>("c");
        const QString loadSave
            = "L@4,4 CB@62,1,173,21 L@5,27 LW@62,24,173,126 L@5,154 "
              "LW@62,151,173,149 L@4,306 LE@62,303,173,24 L@4,331 CB@62,328,173,24 L@262,4 "
              "PTE@367,1,424,184 L@262,194 LE@367,191,424,24 L@262,224 PTE@367,221,424,184 "
              "Load@33,366,66,33 Save@33,366,66,33 Cancel@188,366,66,33";
        const QString displace
            = "PB@99,36,25,25 PB@120,4,25,25 PB@194,4,25,25 PB@194,36,25,25 "
              "PB@194,68,25,25 PB@120,68,25,25 PB@46,68,25,25 PB@46,36,25,25 PB@46,4,25,25 "
              "PB@61,100,25,25 PB@127,100,25,25 PB@194,100,25,25 CB@78,4,39,24 CB@152,4,39,24 "
              "CB@152,36,39,24 CB@152,68,39,24 CB@78,68,39,24 CB@4,68,39,24 CB@4,36,39,24 "
              "CB@4,4,39,24 CB@4,100,54,24";
        const QString help = "Quobix editor help";
        const QSize page(642, 536);
        const QString leaf = "Next@585,504,55,30 Previous@527,504,55,30 Cancel@469,504,55,30";
        // clang-format off
        Row("main window", { Make<frmQuobixEditorZN>, "Quobix level editor", { 796, 558 }, "LE@200,537,151,20 "
            "LE@350,537,103,20 LE@452,537,119,20 LE@571,537,87,20 LE@657,537,87,20 LE@743,537,53,20" });
        Row("load", { LoadOrSave<frmLoadOrSave::LoadMode>, "Load Level", { 794, 408 }, loadSave });
        Row("save", { LoadOrSave<frmLoadOrSave::SaveMode>, "Save Level", { 794, 408 }, loadSave });
        Row("progress", { Make<frmLoadOrSaveInfo>, "Loading...", { 354, 96 }, "L@11,22,335,54" });
        Row("displace", { Make<frmDisplace>, "Displace level", { 223, 129 }, displace });
        Row("text view", { Show<frmQBX>, "Level in qbx format", { 543, 425 }, "PTE@0,0,542,424" });
        Row("level info", { Show<frmLevelInfo>, "Level Info", { 529, 401 }, "LE@105,190,424,24 "
            "PTE@105,220,424,181 PTE@105,0,424,184 L@0,222,105,16 L@0,192,86,16 L@1,2,86,16" });
        Row("help 1", { Make<frmHelp1>, help, page, "Next@585,504,55,30 Cancel@529,504,55,30" });
        Row("help 2", { Make<frmHelp2>, help, page, leaf });
        Row("help 3", { Make<frmHelp3>, help, page, leaf });
        Row("help 4", { Make<frmHelp4>, help, page, leaf });
        Row("help 5", { Make<frmHelp5>, help, page, "Cancel@528,504,55,30 Previous@585,504,55,30" });
        Row("help playing", { Make<frmHelpPlaying>, help, page, "Cancel@585,504,55,30" });
        Row("solver limits", { Make<frmSolverLimits>, "Solver Limits", { 320, 142 }, "L@12,12,170,24 "
            "DSB@188,12,120,24 L@12,42,170,24 SB@188,42,120,24 L@12,72,170,24 DSB@188,72,120,24 "
            "OK@148,106,76,28 Cancel@232,106,76,28" });
        Row("about", { Make<frmAboutQuobixEdit>, "About Quobix level editor", { 237, 312 },
            "OK@84,275,68,29 L@14,181,51,42 L@22,11,192,66 L@14,82,208,66 L@4,159,229,110" });
        // clang-format on
    }

    void windows()
    {
        QFETCH(WindowCase, c);
        const std::unique_ptr<QWidget> window = c.make();
        QCOMPARE(window->windowTitle(), c.title);
        QWidget* client = window.get();
        if (auto* main = qobject_cast<frmQuobixEditorZN*>(client))
            client = main->Canvas();
        QCOMPARE(client->size(), c.size);
        if (qobject_cast<QDialog*>(client)) {
            QCOMPARE(client->minimumSize(), client->maximumSize());
            QVERIFY(!(client->windowFlags()
                & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        }
        QCOMPARE(Controls(client, c.controls.split(QLatin1Char(' '))), c.controls);
    }
};

QUOBIX_TEST(TestWindowGeometry)
#include "tst_windowGeometry.moc"
