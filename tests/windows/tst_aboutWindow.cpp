#include "common/TestRegistry.h"
#include "common/TestSupport.h"
#include "windows/WindowsTestSupport.h"

#include "level/LevelState.h"
#include "windows/frmAboutQuobixEdit.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace quobix;

class TestAboutWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SubstituteFonts(); }
    void init() { modQuobixEditorZN::InitGlobals(); }

    void captionsBreakLinesWithCarriageReturns()
    {
        frmAboutQuobixEdit about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About Quobix level editor"));
        const QStringList first = about.lbl1aboutCaption.split(CR);
        const QStringList second = about.lbl2aboutCaption.split(CR);
        const QStringList third = about.lbl3AboutCaption.split(CR);
        QCOMPARE(first.size(), 4);
        QCOMPARE(second.size(), 4);
        QCOMPARE(second[0], QStringLiteral("Quobix"));
        QVERIFY(second[1].startsWith(QLatin1Char('(')) && second[1].endsWith(QLatin1Char(')')));
        QCOMPARE(second[2], QStringLiteral("implementation suggested and inspired by"));
        QCOMPARE(third.size(), 8);
        QCOMPARE(third[0], QStringLiteral("This implementation of a quobix level editor is"));
        for (int blank : { 1, 3, 5 })
            QCOMPARE(third[blank], QString());
        for (int indented : { 2, 4 }) {
            QVERIFY(third[indented].startsWith(QString(19, QLatin1Char(' '))));
            QVERIFY(third[indented].at(19) != QLatin1Char(' '));
        }
        QVERIFY(third[2].contains(QRegularExpression(QStringLiteral("\\d+\\.\\d+"))));
        QVERIFY(third[4].contains(QRegularExpression(QStringLiteral("\\d{4}"))));
        QVERIFY(third[7].startsWith(QLatin1Char('(')) && third[7].endsWith(QLatin1Char(')')));

        const QList<QPair<QLabel*, QString>> labels { { about.lbl1about, about.lbl1aboutCaption },
            { about.lbl2about, about.lbl2aboutCaption },
            { about.lbl3About, about.lbl3AboutCaption } };
        for (const auto& [label, caption] : labels) {
            QVERIFY(!caption.contains(LF));
            QCOMPARE(label->text(), QString(caption).replace(CR, LF));
            // Every line fits its label, so nothing wraps or is cut off.
            const QFontMetrics metrics(label->font());
            const QStringList lines = caption.split(CR);
            for (const QString& line : lines)
                QVERIFY2(metrics.horizontalAdvance(line) <= label->width(), qPrintable(line));
            QVERIFY(metrics.lineSpacing() * lines.size() <= label->height());
        }
    }

    void layout()
    {
        frmAboutQuobixEdit about;
        QCOMPARE(about.size(), QSize(237, 312));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        QVERIFY(
            !(about.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(about.lbl1about->geometry(), QRect(22, 11, 192, 66));
        QCOMPARE(about.lbl2about->geometry(), QRect(14, 82, 208, 66));
        QCOMPARE(about.lbl3About->geometry(), QRect(4, 159, 229, 110));
        QCOMPARE(about.Image1->geometry(), QRect(14, 181, 51, 42));
        QCOMPARE(about.Image1->pixmap().size(), QSize(51, 42));
        QCOMPARE(about.cmdAbout->geometry(), QRect(84, 275, 68, 29));
        QCOMPARE(about.cmdAbout->text(), QStringLiteral("OK"));
        QCOMPARE(QImage(QStringLiteral(":/windows/icon.png")).size(), QSize(32, 24));
    }

    void okIsTheDefaultAndFirstInTabOrder()
    {
        auto window = ShownMainWindow();
        ModalScript script;
        script.Then<frmAboutQuobixEdit>([](frmAboutQuobixEdit* about) {
            QVERIFY(about->cmdAbout->isDefault());
            QCOMPARE(QApplication::focusWidget(), about->cmdAbout);
            QTest::keyClick(about, Qt::Key_Return);
            QVERIFY(!about->isVisible());
        });
        window->mnuAbout->trigger();
        QVERIFY(script.Finished());
    }
};

QUOBIX_TEST(TestAboutWindow)
#include "tst_aboutWindow.moc"
