#pragma once

#include <QDialog>
#include <functional>

class QLabel;

namespace quobix {

// The small window in which a level is read or written: it shows which file, runs the work once
// it is on screen, and closes itself. The user cannot close it.
class frmLoadOrSaveInfo : public QDialog {
    Q_OBJECT
public:
    // loading: the window says "Loading..." (else "Saving...") with the path of the file.
    explicit frmLoadOrSaveInfo(QWidget* parent = nullptr, bool loading = true,
        const QString& path = {}, std::function<void()> work = {});

    QLabel* Label1;

    // Shows the window modally while work runs; mode is frmLoadOrSave's LoadMode or SaveMode.
    static void Run(
        QWidget* parent, qint16 mode, const QString& path, const std::function<void()>& work);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void Form_Load(bool loading, const QString& path);
    void Form_Activate();
    // True for a close that the user asked for; those are refused.
    bool Form_QueryUnload() const { return !closingByProgram; }

    std::function<void()> work;
    bool activated = false;
    bool closingByProgram = false;
};

} // namespace quobix
