#include "common/TestRegistry.h"
#include "windows/WindowsTestSupport.h"

#include "dialogs/frmDisplace.h"
#include "dialogs/frmLoadOrSave.h"
#include "dialogs/frmLoadOrSaveInfo.h"
#include "editor/GridCanvas.h"
#include "messages/LoadSaveState.h"
#include "windows/frmAboutQuobixEdit.h"
#include "windows/frmHelp1.h"
#include "windows/frmHelp2.h"
#include "windows/frmHelp3.h"
#include "windows/frmHelp4.h"
#include "windows/frmHelp5.h"
#include "windows/frmLevelInfo.h"
#include "windows/frmQBX.h"

#include <QTest>
#include <functional>
#include <memory>

using namespace quobix;

using WindowMaker = std::function<std::unique_ptr<QWidget>()>;
Q_DECLARE_METATYPE(WindowMaker)

namespace {
template <typename T> WindowMaker Make(qint16 mode = 1)
{
    return [mode] {
        LoadOrSaveMode = mode;
        return std::unique_ptr<QWidget>(new T);
    };
}
}

// Every control of every window lies whole inside the window's client area, so no edge or
// scroll bar is cut off.
class TestWindowGeometry : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SubstituteFonts(); }
    void init() { modQuobixEditorZN::InitGlobals(); }

    void controlsFitTheirWindow_data()
    {
        QTest::addColumn<WindowMaker>("make");
        QTest::newRow("main window")
            << WindowMaker([] { return std::unique_ptr<QWidget>(new frmQuobixEditorZN); });
        QTest::newRow("load") << Make<frmLoadOrSave>(1);
        QTest::newRow("save") << Make<frmLoadOrSave>(2);
        QTest::newRow("progress") << Make<frmLoadOrSaveInfo>(1);
        QTest::newRow("displace") << Make<frmDisplace>();
        QTest::newRow("text view") << Make<frmQBX>();
        QTest::newRow("level info") << Make<frmLevelInfo>();
        QTest::newRow("help 1") << Make<frmHelp1>();
        QTest::newRow("help 2") << Make<frmHelp2>();
        QTest::newRow("help 3") << Make<frmHelp3>();
        QTest::newRow("help 4") << Make<frmHelp4>();
        QTest::newRow("help 5") << Make<frmHelp5>();
        QTest::newRow("about") << Make<frmAboutQuobixEdit>();
    }

    void controlsFitTheirWindow()
    {
        QFETCH(WindowMaker, make);
        const std::unique_ptr<QWidget> window = make();
        QWidget* client = window.get();
        if (auto* main = qobject_cast<frmQuobixEditorZN*>(client))
            client = main->Canvas();
        for (QWidget* control : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (control->isWindow())
                continue;
            QVERIFY2(client->rect().contains(control->geometry()),
                qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 outside %6x%7")
                               .arg(control->metaObject()->className())
                               .arg(control->x())
                               .arg(control->y())
                               .arg(control->width())
                               .arg(control->height())
                               .arg(client->width())
                               .arg(client->height())));
        }
    }
};

QUOBIX_TEST(TestWindowGeometry)
#include "tst_windowGeometry.moc"
