#include "common/TestRegistry.h"
#include "common/TestSupport.h"
#include "windows/WindowsTestSupport.h"

#include "editor/GridCanvas.h"
#include "level/LevelState.h"
#include "windows/frmAboutQuobixEdit.h"
#include "windows/frmHelp1.h"
#include "windows/frmHelp2.h"
#include "windows/frmHelp3.h"
#include "windows/frmHelp4.h"
#include "windows/frmHelp5.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

using namespace quobix;

namespace {
// The page's buttons in tab order, as caption@left; sizes and tops checked on the way.
QStringList ButtonsInTabOrder(QWidget* page)
{
    QStringList buttons;
    for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain())
        if (auto* button = qobject_cast<QPushButton*>(w))
            buttons << (button->geometry() == QRect(button->x(), 504, 55, 30)
                    ? button->text() + QLatin1Char('@') + QString::number(button->x())
                    : QStringLiteral("misplaced ") + button->text());
    return buttons;
}

// Pixels compared by colour alone: a picture read from a file carries a colour space that a
// screenshot lacks.
int DifferingPixels(const QImage& a, const QImage& b, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

}

class TestHelpPages : public QObject {
    Q_OBJECT

    std::unique_ptr<frmQuobixEditorZN> window;

    // True when a click on the main window's grid reached it (and placed a wall).
    bool ClickReachesMainWindow(int row, int cell)
    {
        // Through the window system, which holds input back from windows a modal one blocks.
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
            window->Canvas()->mapTo(window.get(), CellCentre(row, cell)));
        return CharAt(LevelLines[1][row], CellPosition(row, cell)) == QLatin1Char('#');
    }

private slots:
    void init() { window = ShownMainWindow(); }
    void cleanup() { window.reset(); }

    void nextNextPreviousEndsOnPageTwo()
    {
        ModalScript script;
        script.Then<frmHelp1>([](frmHelp1* p) { QTest::mouseClick(p->cmdNext, Qt::LeftButton); })
            .Then<frmHelp2>([](frmHelp2* p) { QTest::mouseClick(p->cmdNext, Qt::LeftButton); })
            .Then<frmHelp3>([](frmHelp3* p) { QTest::mouseClick(p->cmdPrevious, Qt::LeftButton); })
            .Then<frmHelp2>([this](frmHelp2* p) {
                QVERIFY(!ClickReachesMainWindow(4, 4));
                QTest::mouseClick(p->cmdCancel, Qt::LeftButton);
            });
        window->mnuHelp->trigger();
        QVERIFY(script.Finished());
        QCOMPARE(script.met, (QStringList { "frmHelp1", "frmHelp2", "frmHelp3", "frmHelp2" }));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(ClickReachesMainWindow(4, 4));
    }

    void everyWayOfClosingEndsTheHelp_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("Cancel") << 0;
        QTest::newRow("close box") << 1;
        QTest::newRow("Escape") << 2;
    }

    void everyWayOfClosingEndsTheHelp()
    {
        QFETCH(int, way);
        ModalScript script;
        script.Then<frmHelp1>([](frmHelp1* p) { p->cmdNext_Click(); })
            .Then<frmHelp2>([way](frmHelp2* p) {
                if (way == 0)
                    p->cmdCancel_Click();
                else if (way == 1)
                    p->close();
                else
                    QTest::keyClick(p, Qt::Key_Escape);
            });
        window->mnuHelp->trigger();
        QVERIFY(script.Finished());
        QCOMPARE(script.met, (QStringList { "frmHelp1", "frmHelp2" }));
    }

    void reopeningStartsAtPageOne()
    {
        for (int round = 0; round < 2; ++round) {
            ModalScript script;
            script.Then<frmHelp1>([](frmHelp1* p) { p->cmdNext_Click(); })
                .Then<frmHelp2>([](frmHelp2* p) { p->cmdNext_Click(); })
                .Then<frmHelp3>([](frmHelp3* p) { p->cmdCancel_Click(); });
            window->mnuHelp->trigger();
            QVERIFY(script.Finished());
        }
    }

    void lastPageLeadsBackToFirst()
    {
        ModalScript script;
        script.Then<frmHelp1>([](frmHelp1* p) { p->cmdNext_Click(); })
            .Then<frmHelp2>([](frmHelp2* p) { p->cmdNext_Click(); })
            .Then<frmHelp3>([](frmHelp3* p) { p->cmdNext_Click(); })
            .Then<frmHelp4>([](frmHelp4* p) { p->cmdNext_Click(); })
            .Then<frmHelp5>([](frmHelp5* p) { p->cmdPrevious_Click(); })
            .Then<frmHelp4>([](frmHelp4* p) { p->cmdPrevious_Click(); })
            .Then<frmHelp3>([](frmHelp3* p) { p->cmdPrevious_Click(); })
            .Then<frmHelp2>([](frmHelp2* p) { p->cmdPrevious_Click(); })
            .Then<frmHelp1>([](frmHelp1* p) { p->cmdCancel_Click(); });
        window->mnuHelp->trigger();
        QVERIFY(script.Finished());
    }

    void pageLayout_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("page 1") << 1 << QSize(639, 524)
                                << QStringList { "&Next@585", "&Cancel@529" };
        for (int page : { 2, 3, 4 })
            QTest::addRow("page %d", page)
                << page << QSize(639, page == 4 ? 524 : 505)
                << QStringList { "&Next@585", "&Previous@527", "&Cancel@469" };
        QTest::newRow("page 5") << 5 << QSize(639, 524)
                                << QStringList { "&Cancel@528", "&Previous@585" };
    }

    void pageLayout()
    {
        QFETCH(int, page);
        QFETCH(QSize, picture);
        QFETCH(QStringList, buttons);
        std::unique_ptr<frmHelpPage> p;
        switch (page) {
        case 1:
            p = std::make_unique<frmHelp1>();
            break;
        case 2:
            p = std::make_unique<frmHelp2>();
            break;
        case 3:
            p = std::make_unique<frmHelp3>();
            break;
        case 4:
            p = std::make_unique<frmHelp4>();
            break;
        default:
            p = std::make_unique<frmHelp5>();
        }
        QCOMPARE(p->windowTitle(), QStringLiteral("Quobix editor help"));
        QCOMPARE(p->size(), QSize(642, 536));
        QCOMPARE(p->minimumSize(), p->maximumSize());
        QVERIFY(
            !(p->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(ButtonsInTabOrder(p.get()), buttons);
        QCOMPARE(p->cmdNext == nullptr, page == 5);
        QCOMPARE(p->cmdPrevious == nullptr, page == 1);

        // The picture is painted unscaled at the top left, and is white under the buttons.
        const QImage art = p->Picture().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(art.size(), picture);
        const QImage shown = p->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(DifferingPixels(shown, art, QRect(0, 0, 639, 500)), 0);
        for (QPushButton* button : p->findChildren<QPushButton*>()) {
            const QRect under = button->geometry().intersected(art.rect());
            for (int y = under.top(); y <= under.bottom(); ++y)
                for (int x = under.left(); x <= under.right(); ++x)
                    QCOMPARE(art.pixel(x, y), qRgb(255, 255, 255));
        }
    }

    void mainWindowTakesNoInputWhileOpen_data()
    {
        QTest::addColumn<bool>("about");
        QTest::newRow("help page") << false;
        QTest::newRow("About window") << true;
    }

    void mainWindowTakesNoInputWhileOpen()
    {
        QFETCH(bool, about);
        ModalScript script;
        auto check = [this](QDialog* open) {
            QCOMPARE(QApplication::activeModalWidget(), open);
            QVERIFY(open->isModal());
            QCOMPARE(open->windowModality(), Qt::ApplicationModal);
            QCOMPARE(open->parentWidget(), window.get());
            QVERIFY(!ClickReachesMainWindow(5, 6));
            QTest::keyClick(window.get(), Qt::Key_F, Qt::AltModifier);
            QCOMPARE(QApplication::activeModalWidget(), open);
            open->close();
        };
        if (about)
            script.Then<frmAboutQuobixEdit>(check);
        else
            script.Then<frmHelp1>(check);
        (about ? window->mnuAbout : window->mnuHelp)->trigger();
        QVERIFY(script.Finished());
        QVERIFY(ClickReachesMainWindow(5, 6));
    }
};

QUOBIX_TEST(TestHelpPages)
#include "tst_helpPages.moc"
