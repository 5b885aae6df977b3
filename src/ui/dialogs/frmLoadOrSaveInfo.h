#pragma once

#include <QDialog>

class QLabel;

namespace quobix {

// The small window in which a level is read or written: it shows which file, runs the reader
// (LoadOrSaveMode 1) or the writer once it is on screen, and closes itself. The user cannot
// close it.
class frmLoadOrSaveInfo : public QDialog {
    Q_OBJECT
public:
    explicit frmLoadOrSaveInfo(QWidget* parent = nullptr);

    QLabel* Label1;

    // Shows the window modally for one run of the reader or writer; the path of the file read
    // or written, or nothing when that failed.
    static QString Run(QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void Form_Load();
    void Form_Activate();
    // True for a close that the user asked for; those are refused.
    bool Form_QueryUnload() const { return !closingByProgram; }

    bool activated = false;
    bool closingByProgram = false;
};

} // namespace quobix
