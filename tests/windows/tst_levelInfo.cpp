#include "common/TestRegistry.h"
#include "common/TestSupport.h"
#include "windows/WindowsTestSupport.h"

#include "dialogs/frmLoadOrSave.h"
#include "level/LevelState.h"
#include "messages/LoadSaveState.h"
#include "windows/frmLevelInfo.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextDocument>

using namespace quobix;

namespace {
struct Texts {
    QString top, author, bottom;
};

Texts Current() { return { TopComment, Author, BottomComment }; }

// What a multi-line field holds, with "\n" between its lines and nothing else replaced.
QString FieldText(const QPlainTextEdit* field)
{
    return field->document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

void SetTexts(const Texts& t)
{
    TopComment = t.top;
    Author = t.author;
    BottomComment = t.bottom;
}
}

class TestLevelInfo : public QObject {
    Q_OBJECT

    std::unique_ptr<frmQuobixEditorZN> window;

    // Opens Level, Info..., lets edit act on the window and then closes it with the close box.
    Texts Edit(std::function<void(frmLevelInfo*)> edit, Texts* shown = nullptr)
    {
        ModalScript script;
        script.Then<frmLevelInfo>([&](frmLevelInfo* info) {
            if (shown)
                *shown = { FieldText(info->txtTopComment), info->txtAuthor->text(),
                    FieldText(info->txtBottomComment) };
            edit(info);
            if (info->isVisible())
                info->close();
        });
        window->mnuInfo->trigger();
        [&] { QVERIFY(script.Finished()); }();
        return Current();
    }

private slots:
    void init() { window = ShownMainWindow(); }
    void cleanup() { window.reset(); }

    void closingWithoutTypingKeepsTheTexts_data()
    {
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("author");
        QTest::addColumn<QString>("bottom");
        QTest::addColumn<bool>("escape");
        QTest::newRow("empty") << QString() << QString() << QString() << false;
        QTest::newRow("one line each") << "A maze"
                                       << "Ann"
                                       << "Good luck" << false;
        QTest::newRow("several lines, blank lines, trailing blanks")
            << "First line\r\n\r\n  indented  \r\nlast\r\n"
            << "  Ann  "
            << "\r\nbelow\r\n\r\n"
            << false;
        QTest::newRow("tabs and no-break spaces")
            << QString::fromUtf8("a\tb\u00a0c") << QString::fromUtf8("An\u00a0n")
            << QString::fromUtf8("\u00a0") << false;
        QTest::newRow("author longer than a line field's default limit")
            << QString() << QString(40000, QLatin1Char('a')) << QString() << false;
        QTest::newRow("paragraph separator inside a comment")
            << QString::fromUtf8("one\u2029two") << QString() << QString::fromUtf8("\u2029")
            << false;
        QTest::newRow("closed with Escape") << "top\r\ntext"
                                            << "Ann"
                                            << "bottom" << true;
    }

    void closingWithoutTypingKeepsTheTexts()
    {
        QFETCH(QString, top);
        QFETCH(QString, author);
        QFETCH(QString, bottom);
        QFETCH(bool, escape);
        SetTexts({ top, author, bottom });
        Texts shown;
        const Texts after = Edit(
            [escape](frmLevelInfo* info) {
                if (escape)
                    QTest::keyClick(info->txtAuthor, Qt::Key_Escape);
            },
            &shown);
        QCOMPARE(after.top, top);
        QCOMPARE(after.author, author);
        QCOMPARE(after.bottom, bottom);
        const auto inField = [](QString text) {
            return text.replace(CRLF, LF).replace(QChar::ParagraphSeparator, LF);
        };
        QCOMPARE(shown.top, inField(top));
        QCOMPARE(shown.author, author);
        QCOMPARE(shown.bottom, inField(bottom));
    }

    void clearedAuthorIsEmpty()
    {
        SetTexts({ QStringLiteral("top"), QStringLiteral("Ann Example"), QStringLiteral("end") });
        const Texts after = Edit([](frmLevelInfo* info) {
            QCOMPARE(QApplication::focusWidget(), info->txtAuthor);
            QTest::keyClick(info->txtAuthor, Qt::Key_End);
            for (int i = 0; i < 11; ++i)
                QTest::keyClick(info->txtAuthor, Qt::Key_Backspace);
        });
        QCOMPARE(after.author, QString());
        QCOMPARE(after.top, QStringLiteral("top"));
        QCOMPARE(after.bottom, QStringLiteral("end"));
    }

    void typedLinesKeepTheirBreaksEverywhere()
    {
        SetTexts({ QStringLiteral("old"), QStringLiteral("Ann"), QString() });
        const Texts after = Edit([](frmLevelInfo* info) {
            QPlainTextEdit* top = info->txtTopComment;
            top->setFocus();
            QTest::keyClick(top, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(top, QStringLiteral("First line"));
            QTest::keyClick(top, Qt::Key_Return);
            QTest::keyClicks(top, QStringLiteral("second "));
        });
        const QString typed = QStringLiteral("First line\r\nsecond ");
        QCOMPARE(after.top, typed);

        Texts shown;
        Edit([](frmLevelInfo*) {}, &shown);
        QCOMPARE(shown.top, QStringLiteral("First line\nsecond "));
        QCOMPARE(TopComment, typed);

        LoadOrSaveMode = 2;
        frmLoadOrSave saveDialog(window.get());
        QCOMPARE(saveDialog.txtTopComment->toPlainText(), QStringLiteral("First line\nsecond "));
    }

    void newAndClearKeepTheTexts()
    {
        SetTexts({ QStringLiteral("top"), QStringLiteral("Ann"), QStringLiteral("end") });
        window->mnuNew->trigger();
        window->mnuClear->trigger();
        Texts shown;
        Edit([](frmLevelInfo*) {}, &shown);
        QCOMPARE(shown.top, QStringLiteral("top"));
        QCOMPARE(shown.author, QStringLiteral("Ann"));
        QCOMPARE(shown.bottom, QStringLiteral("end"));
    }

    void tabGoesFromAuthorToBottomToTop()
    {
        Edit([](frmLevelInfo* info) {
            QList<QWidget*> focused;
            for (int i = 0; i < 4; ++i) {
                focused << QApplication::focusWidget();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            QVERIFY(focused
                == (QList<QWidget*> { info->txtAuthor, info->txtBottomComment, info->txtTopComment,
                    info->txtAuthor }));
            QVERIFY(info->txtTopComment->toPlainText().isEmpty()); // Tab is not typed
            QVERIFY(info->txtBottomComment->toPlainText().isEmpty());
        });
    }

    void layout()
    {
        frmLevelInfo info;
        QCOMPARE(info.windowTitle(), QStringLiteral("Level Info"));
        QCOMPARE(info.size(), QSize(529, 401));
        QCOMPARE(info.minimumSize(), info.maximumSize());
        QVERIFY(
            !(info.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        const QList<QPair<QLabel*, QPair<QString, QRect>>> labels {
            { info.Label1, { "Top comment:", QRect(1, 2, 86, 16) } },
            { info.Label2, { "Author:", QRect(0, 192, 86, 16) } },
            { info.Label8, { "Bottom comment:", QRect(0, 222, 105, 16) } },
        };
        for (const auto& [label, expected] : labels) {
            QCOMPARE(label->text(), expected.first);
            QCOMPARE(label->geometry(), expected.second);
            QCOMPARE(label->font().family(), QStringLiteral("Arial"));
            QCOMPARE(label->font().pointSizeF(), 8.25);
            QVERIFY(label->font().bold());
        }
        const QList<QPair<QWidget*, QRect>> fields {
            { info.txtTopComment, QRect(105, 0, 424, 184) },
            { info.txtAuthor, QRect(105, 190, 424, 24) },
            { info.txtBottomComment, QRect(105, 220, 424, 181) },
        };
        for (const auto& [field, place] : fields) {
            QCOMPARE(field->geometry(), place);
            QCOMPARE(field->font().family(), QStringLiteral("Arial"));
            QCOMPARE(field->font().pointSizeF(), 12.0);
            QVERIFY(!field->font().bold());
        }
        for (QPlainTextEdit* comment : { info.txtTopComment, info.txtBottomComment }) {
            QCOMPARE(comment->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QCOMPARE(comment->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        }
    }
};

QUOBIX_TEST(TestLevelInfo)
#include "tst_levelInfo.moc"
