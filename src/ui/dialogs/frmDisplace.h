#pragma once

#include "displace/DisplaceState.h"
#include "displace/modDisplace.h"

#include <QDialog>
#include <QVector>

class QComboBox;
class QPushButton;

namespace quobix {

// The window through which the user moves the level inside the grid: a centre button, eight
// direction buttons with lists of step counts, a rotate button with a list of angles and two
// mirror buttons. One click chooses one displacement and closes the window; the main window's
// Displace command performs it and shows the window again, where it was, until the user closes
// it.
class frmDisplace : public QDialog {
    Q_OBJECT
public:
    // Opens with its top left corner at a place given in twips.
    explicit frmDisplace(
        QWidget* parent = nullptr, QPoint twips = { DisplaceStartLeft, DisplaceStartTop });

    // Indexed 0..11: centre, north .. north-west clockwise, rotate, mirror top to bottom, mirror
    // left to right.
    QVector<QPushButton*> cmdDisplace;
    // Indexed 1..9 like the buttons they belong to; index 0 stays empty.
    QVector<QComboBox*> cmbDisplace;

    // Puts the admissible displacements into the lists and enables what they allow. It lives
    // here and not in modDisplace because the core library has no windows.
    void FillDisplaceChoices(const modDisplace::DisplaceChoices& choices);

    // The command a click chose (a DisplaceCommand) with its list's text, or -1 when none did.
    qint16 PerformedCommand = -1;
    QString PerformedText;
    // Closed by a button, not by the user: the dialog comes back, where it was then (in twips).
    bool Again() const { return again; }
    QPoint PositionTwips() const { return position; }

    // How the window is being unloaded.
    static constexpr qint16 vbFormControlMenu = 0;
    static constexpr qint16 vbFormCode = 1;

public slots:
    void cmdDisplace_Click(qint16 Index);

protected:
    void paintEvent(QPaintEvent* event) override;
    // Every way of closing a dialog ends here: the close box, Escape and the program.
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void Form_Load(QPoint twips);
    void Form_QueryUnload(qint16& Cancel, qint16 UnloadMode);

    bool unloadingByProgram = false;
    bool again = false;
    QPoint position;
};

} // namespace quobix
