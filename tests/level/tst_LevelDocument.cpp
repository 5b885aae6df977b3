#include "common/TestRegistry.h"
#include "common/TestSupport.h"

#include <QTest>

using namespace quobix;
using geometry::Cell;

// The level as one object: every change keeps the counts and tells the views what changed, in
// order; copies are levels of their own.
class TestLevelDocument : public QObject {
    Q_OBJECT

    // What the views heard: "cells r,c r,c", "cleared", "grid", "file" or "texts".
    QStringList heard;

    void Watch(LevelDocument& level)
    {
        level.AddView([this](const LevelChange& change) {
            static const char* const kinds[] = { "cells", "cleared", "grid", "file", "texts" };
            QString said = QLatin1String(kinds[int(change.kind)]);
            for (const Cell& at : change.cells)
                said += QString(" %1,%2").arg(at.row).arg(at.cell);
            heard << said;
        });
    }

    static QString Counts(const LevelDocument& level)
    {
        return QString("%1 %2 %3 %4")
            .arg(level.ObjectCount)
            .arg(level.TargetCount)
            .arg(level.ManCount)
            .arg(level.IsValid());
    }

private slots:
    void init() { heard.clear(); }

    // A man placed by picking takes every other man off the grid, row by row, men on floor
    // before men on targets; a man on a target leaves the target. Sequential placing does not.
    void oneManRule()
    {
        LevelDocument level;
        SetGrid(level, { " @ + @", "+ $ . #" }, 3);
        QCOMPARE(Counts(level), "1 3 4 0");
        Watch(level);
        level.Place({ 4, 3 }, SymbolCode::ManOnTarget, true);
        QCOMPARE(heard, QStringList { "cells 3,1 3,3 3,2 4,1 4,3" });
        QCOMPARE(level.GridRows().mid(2, 2),
            (QStringList {
                QString("   .").leftJustified(64), QString(". $ + #").leftJustified(64) }));
        QCOMPARE(Counts(level), "1 3 1 0");
        level.Place({ 3, 2 }, SymbolCode::Man, false);
        QCOMPARE(Counts(level), "1 2 2 0");
        level.Place({ 3, 1 }, SymbolCode::Object, true); // no man: no one leaves
        QCOMPARE(heard.last(), "cells 3,1");
        QCOMPARE(Counts(level), "2 2 2 0");
    }

    // Clear keeps the file, New forgets it (and the flip) but keeps the folder; a snapshot puts
    // back the grid and the texts, and the file only when asked.
    void clearNewAndSnapshots()
    {
        LevelDocument level;
        SetGrid(level, { " # # #", "# @ * #", " # # #" }, 5);
        level.SetFile("/levels/", "hive.qbx");
        level.SetTexts("Ann", "top", "bottom");
        level.LevelFlipped = true;
        const LevelSnapshot before = level.Snapshot();
        Watch(level);
        level.Clear();
        QCOMPARE(level.LevelFileName, "hive.qbx");
        level.New();
        QCOMPARE(heard, (QStringList { "cleared", "file", "cleared" }));
        QCOMPARE(QStringList({ level.LevelFolder, level.LevelFileName, Counts(level) }),
            (QStringList { "/levels/", "", "0 0 0 0" }));
        QVERIFY(!level.LevelFlipped && level.GridRows() == QStringList(26, QString(64, ' ')));
        level.Restore(before, false);
        QCOMPARE(QStringList({ level.LevelFileName, level.Author, Counts(level) }),
            (QStringList { "", "Ann", "1 1 1 1" }));
        QVERIFY(level.LevelFlipped && level.Snapshot() != before);
        level.Restore(before, true);
        QCOMPARE(level.Snapshot(), before);
        QCOMPARE(heard.mid(3), (QStringList { "grid", "file", "grid", "file" }));
    }

    // A copy has the level and no views; an assignment keeps the views and tells them.
    void copies()
    {
        LevelDocument level;
        SetGrid(level, { "# @ . $" }, 2);
        level.SetFile("/a/", "a.qbx");
        LevelDocument copy(level);
        Watch(copy);
        copy.Place({ 2, 1 }, SymbolCode::Floor, false);
        QCOMPARE(level.SymbolAt({ 2, 1 }), SymbolCode::Wall);
        QCOMPARE(copy.LevelFileName, "a.qbx");
        heard.clear();
        copy = level;
        QCOMPARE(heard, (QStringList { "grid", "file", "texts" }));
        QCOMPARE(copy.GridRows(), level.GridRows());
        QCOMPARE(Counts(copy), "1 1 1 1");
    }
};

QUOBIX_TEST(TestLevelDocument)
#include "tst_LevelDocument.moc"
