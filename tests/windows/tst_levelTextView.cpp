#include "common/TestRegistry.h"
#include "common/TestSupport.h"
#include "windows/WindowsTestSupport.h"

#include "editor/GridCanvas.h"
#include "level/LevelState.h"
#include "windows/frmQBX.h"

#include <QAction>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

using namespace quobix;

class TestLevelTextView : public QObject {
    Q_OBJECT

    std::unique_ptr<frmQuobixEditorZN> window;

    // Opens the view from the Level menu and returns the lines it shows and its CR LF text.
    void Open(QStringList& shown, QString& text)
    {
        ModalScript script;
        script.Then<frmQBX>([&](frmQBX* view) {
            shown = view->txtLevel->toPlainText().split(QLatin1Char('\n'));
            text = view->LevelText();
            view->close();
        });
        window->mnuQBX->trigger();
        QVERIFY(script.Finished());
    }

private slots:
    void init() { window = ShownMainWindow(); }
    void cleanup() { window.reset(); }

    void showsTheGrid_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("firstRow");
        QTest::newRow("empty grid") << QStringList() << 1;
        QTest::newRow("only cell in row 26") << QStringList { QStringLiteral("      #") } << 26;
        QTest::newRow("level with trailing blanks") << QStringList { QStringLiteral(" # # # #"),
            QStringLiteral("# $ . @ #  "), QStringLiteral(" # * + #") }
                                                    << 12;
        QTest::newRow("rows of full width")
            << QStringList { QStringLiteral(" #").repeated(32), QStringLiteral(". ").repeated(32) }
            << 1;
    }

    void showsTheGrid()
    {
        QFETCH(QStringList, rows);
        QFETCH(int, firstRow);
        SetGrid(rows, firstRow);
        const QStringList grid = GridText();

        QStringList shown;
        QString text;
        Open(shown, text);
        QCOMPARE(shown, grid);
        if (rows.isEmpty())
            QCOMPARE(shown, QStringList(26, QString(64, QLatin1Char(' '))));
        QCOMPARE(text, grid.join(CRLF));
        QCOMPARE(text.size(), 26 * 64 + 25 * 2);
        QVERIFY(!text.endsWith(LF));
        QCOMPARE(GridText(), grid); // the view leaves the level alone
    }

    void typingIsRefusedButCopyingWorks()
    {
        SetGrid({ QStringLiteral(" # $ . @") }, 3);
        const QStringList grid = GridText();
        QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
        QString copied;
        QStringList shownAfterTyping;
        ModalScript script;
        script.Then<frmQBX>([&](frmQBX* view) {
            QPlainTextEdit* field = view->txtLevel;
            field->setFocus();
            QTest::keyClicks(field, QStringLiteral("abc"));
            QTest::keyClick(field, Qt::Key_Return);
            QTest::keyClick(field, Qt::Key_Delete);
            QTest::keyClick(field, Qt::Key_Backspace);
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
            shownAfterTyping = field->toPlainText().split(QLatin1Char('\n'));
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
            copied = QGuiApplication::clipboard()->text();
            view->close();
        });
        window->mnuQBX->trigger();
        QVERIFY(script.Finished());
        QCOMPARE(shownAfterTyping, grid);
        QCOMPARE(copied.split(QLatin1Char('\n')), grid);
        QCOMPARE(GridText(), grid);
    }

    void reopeningShowsTheCurrentLevel()
    {
        QStringList shown;
        QString text;
        Open(shown, text);
        // A wall placed with the mouse after the first view shows in the second.
        QTest::mouseClick(window->Canvas(), Qt::LeftButton, {}, CellCentre(3, 5));
        QCOMPARE(CharAt(LevelLines[1][3], CellPosition(3, 5)), QLatin1Char('#'));
        Open(shown, text);
        QCOMPARE(shown, GridText());
        QCOMPARE(CharAt(shown[2], CellPosition(3, 5)), QLatin1Char('#'));
    }

    void textIsTheSameInEverySkin()
    {
        SetGrid({ QStringLiteral(" # $ . @ * +") }, 7);
        QStringList inKrv, inBnz;
        QString text;
        Open(inKrv, text);
        window->mnuBNZ->trigger();
        Open(inBnz, text);
        QCOMPARE(inBnz, inKrv);
    }

    void layout()
    {
        frmQBX view;
        QCOMPARE(view.windowTitle(), QStringLiteral("Level in qbx format"));
        QCOMPARE(view.size(), QSize(543, 425));
        QCOMPARE(view.minimumSize(), view.maximumSize());
        QVERIFY(
            !(view.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(view.txtLevel->geometry(), QRect(0, 0, 542, 424));
        QCOMPARE(view.txtLevel->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(view.txtLevel->font().pointSizeF(), 9.75);
        QVERIFY(view.txtLevel->font().bold());
        QCOMPARE(view.txtLevel->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(view.txtLevel->isReadOnly());
    }
};

QUOBIX_TEST(TestLevelTextView)
#include "tst_levelTextView.moc"
