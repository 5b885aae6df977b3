#pragma once

#include <QDialog>

class QDoubleSpinBox;
class QPushButton;
class QSpinBox;

namespace quobix {

// Edits the limits that Solve uses in the windows and the time the analysis beside the grid
// gives the solver, in the ranges of the command line; OK keeps them in the user's settings.
class frmSolverLimits : public QDialog {
    Q_OBJECT
public:
    explicit frmSolverLimits(QWidget* parent = nullptr);

    QDoubleSpinBox* txtSeconds;
    QSpinBox* txtMemory;
    QDoubleSpinBox* txtAnalysisSeconds;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

public slots:
    void cmdOK_Click();
};

} // namespace quobix
