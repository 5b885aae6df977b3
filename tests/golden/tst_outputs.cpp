#include "common/GuiSupport.h"
#include "common/TestRegistry.h"

#include "dialogs/frmDisplace.h"
#include "dialogs/frmLoadOrSave.h"
#include "editor/GridCanvas.h"
#include "windows/frmQBX.h"

#include <QAction>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace quobix;

// What the program shows and writes for every sample level, through its windows only: the load's
// messages, title, status and picture in each skin, the text and the picture after every offered
// displacement, and the bytes that Save As writes in both notations. The record must stay the
// same; QUOBIX_GOLDEN_WRITE=1 writes it anew after an intended change.
class TestOutputs : public QObject {
    Q_OBJECT

    QStringList record;
    QList<std::pair<QString, QString>> places; // folders named by a placeholder in the record
    std::unique_ptr<frmQuobixEditorZN> window;
    std::optional<MessageRecorder> messages;

    static QString Visible(QString text)
    {
        return text.replace("\r\n", "\\n").replace(QChar(13), "\\r").replace(QChar(10), "\\n");
    }

    void Note(QString line)
    {
        for (const auto& [path, name] : places)
            line.replace(path, name);
        record << line;
    }

    void NoteMessages()
    {
        for (const RecordedMessage& m : messages->calls)
            Note(QString("  message %1 | %2 %3 | %4")
                     .arg(m.title)
                     .arg(int(m.icon))
                     .arg(int(m.buttons))
                     .arg(Visible(m.text)));
        messages->calls.clear();
    }

    void NoteWindow(const QString& what)
    {
        const QImage& picture = window->Canvas()->Backing();
        const QByteArray bytes(reinterpret_cast<const char*>(picture.constBits()),
            static_cast<int>(picture.sizeInBytes()));
        Note(QString("  %1: %2 | %3 | %4 %5 %6 | %7")
                 .arg(what, window->windowTitle(),
                     window->txtSelected->text() + " " + window->txtRowAndCell->text(),
                     window->txtObjects->text(), window->txtTargets->text(), window->txtMen->text(),
                     QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex()));
        NoteMessages();
    }

    void NoteText()
    {
        ModalScript script;
        script.Then<frmQBX>([this](frmQBX* view) {
            QStringList rows = view->LevelText().split("\r\n");
            while (!rows.isEmpty() && rows.last().trimmed().isEmpty())
                rows.removeLast();
            while (!rows.isEmpty() && rows.first().trimmed().isEmpty())
                rows.removeFirst();
            Note("  text: " + rows.replaceInStrings(QRegularExpression(" +$"), "").join('|'));
            view->close();
        });
        window->mnuQBX->trigger();
        QVERIFY(script.Finished());
    }

    void SaveAs(const QString& folder, const QString& name, int type)
    {
        ModalScript script;
        script.Then<frmLoadOrSave>([&](frmLoadOrSave* dialog) {
            QVERIFY(dialog->SetFolderListPath(folder));
            dialog->cmbLevelType->setCurrentIndex(type);
            dialog->cmbLevelType_Click();
            dialog->txtLevel->setText(name);
            dialog->cmdSaveLevel_Click();
            if (dialog->isVisible())
                dialog->cmdCancelLoadSave_Click();
        });
        window->mnuSaveAs->trigger();
        Note(QString("  windows: ") + script.met.join(' '));
        Note(QString("  saved %1: %2")
                 .arg(name, Visible(QString::fromUtf8(ReadFile(folder + name)))));
        NoteWindow("after save");
    }

    // One displacement by the dialog's button index, with the list's item when it has a list;
    // returns false when the button is disabled.
    bool Displace(int index, int item)
    {
        bool done = false;
        QStringList offered;
        ModalScript script;
        script
            .Then<frmDisplace>([&](frmDisplace* dialog) {
                QComboBox* list = dialog->cmbDisplace.value(index);
                if (!dialog->cmdDisplace[index]->isEnabled() || (list && item >= list->count())) {
                    dialog->close();
                    return;
                }
                if (list)
                    list->setCurrentIndex(item < 0 ? list->count() - 1 : item);
                offered << (list ? list->currentText() : QString());
                dialog->cmdDisplace[index]->click();
                done = true;
            })
            .Then<frmDisplace>([&](frmDisplace* dialog) {
                for (int k = 1; k < dialog->cmbDisplace.size(); ++k) {
                    QStringList items;
                    for (int i = 0; i < dialog->cmbDisplace[k]->count(); ++i)
                        items << dialog->cmbDisplace[k]->itemText(i);
                    offered << items.join(',');
                }
                dialog->close();
            });
        window->mnuDisplace->trigger();
        if (done)
            Note(QString("  displace %1: %2").arg(index).arg(offered.join(' ')));
        return done;
    }

private slots:
    void initTestCase() { SubstituteFonts(); }

    void outputs()
    {
        // The levels are copied first: no save can reach the project's own files.
        const QString data = QUOBIX_TEST_DATA "/";
        QTemporaryDir out;
        const QString folder = out.path() + "/saved/", levels = out.path() + "/levels/";
        QVERIFY(QDir().mkpath(folder) && QDir().mkpath(levels));
        QStringList files;
        for (const QString& from : { data + "../../levels/", data })
            for (const QString& name : QDir(from).entryList({ "*.qbx", "*.xsb" }, QDir::Files))
                if (QFile::copy(from + name, levels + name))
                    files << levels + name;
        places = { { folder, "<out>/" }, { levels, "<levels>/" } };
        for (const QString& file : files) {
            const QString shown = QFileInfo(file).fileName();
            Note("== " + shown);
            window = MainWindow();
            messages.emplace();
            messages->answers = QList<qint16>(8, vbYes);
            window->OpenLevelFile(file);
            NoteWindow("loaded");
            NoteText();
            for (QAction* skin : { window->mnuTLM, window->mnuBNZ, window->mnuKRV }) {
                skin->trigger();
                NoteWindow(skin->text().remove('&'));
            }
            for (int type : { 0, 1 }) {
                messages->answers = QList<qint16>(4, vbYes);
                SaveAs(folder, shown.section('.', 0, 0) + (type ? ".xsb" : ".qbx"), type);
            }
            for (int index = 0; index < 12; ++index) {
                for (int item : { 0, 1, -1 }) {
                    messages->answers = QList<qint16>(4, vbYes);
                    window->OpenLevelFile(file);
                    messages->calls.clear();
                    if (!Displace(index, item)) {
                        NoteMessages();
                        break;
                    }
                    NoteWindow("displaced");
                    NoteText();
                    if (index == 0 || index >= 10)
                        break; // no list
                }
            }
        }
        window.reset();
        messages.reset();

        const QString golden = data + "outputs.golden";
        const QString now = record.join('\n') + '\n';
        if (qEnvironmentVariableIntValue("QUOBIX_GOLDEN_WRITE")) {
            QVERIFY(WriteFile(golden, now.toUtf8()));
            return;
        }
        const QStringList expected = QString::fromUtf8(ReadFile(golden)).split('\n');
        const QStringList got = now.split('\n');
        for (int k = 0; k < std::max(expected.size(), got.size()); ++k)
            if (expected.value(k) != got.value(k))
                QFAIL(qPrintable(QString("line %1 differs:\n  was %2\n  now %3")
                                     .arg(k + 1)
                                     .arg(expected.value(k), got.value(k))));
    }
};

QUOBIX_TEST(TestOutputs)
#include "tst_outputs.moc"
