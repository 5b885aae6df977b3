#include "windows/frmSolverLimits.h"

#include "game/SolverSettings.h"
#include "windows/DialogSupport.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace quobix {

frmSolverLimits::frmSolverLimits(QWidget* parent)
    : QDialog(parent)
{
    DialogSupport::SetUpFixedDialog(this, QStringLiteral("Solver Limits"), 320, 142);
    const game::SolverLimits limits = game::StoredSolverLimits();
    auto label = [this](const char* text, int top) {
        auto* l = new QLabel(QString::fromLatin1(text), this);
        l->setGeometry(12, top, 170, 24);
    };
    const auto seconds = [this, &label](const char* text, int top, double value) {
        label(text, top);
        auto* field = new QDoubleSpinBox(this);
        field->setGeometry(188, top, 120, 24);
        // Any time above 0, as --time-limit takes.
        field->setDecimals(3);
        field->setRange(0.001, 1e9);
        field->setValue(value);
        return field;
    };
    txtSeconds = seconds("Time per level (seconds):", 12, limits.seconds);
    label("Memory (MiB):", 42);
    txtMemory = new QSpinBox(this);
    txtMemory->setGeometry(188, 42, 120, 24);
    txtMemory->setRange(1, static_cast<int>(game::MaxMemoryMiB));
    txtMemory->setValue(static_cast<int>(limits.memoryBytes >> 20));
    txtAnalysisSeconds = seconds("Analysis time (seconds):", 72, game::StoredAnalysisSeconds());
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setGeometry(148, 106, 76, 28);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setGeometry(232, 106, 76, 28);
    connect(cmdOK, &QPushButton::clicked, this, &frmSolverLimits::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmSolverLimits::cmdOK_Click()
{
    game::SolverLimits limits;
    limits.seconds = txtSeconds->value();
    limits.memoryBytes = static_cast<std::size_t>(txtMemory->value()) << 20;
    game::StoreSolverLimits(limits);
    game::StoreAnalysisSeconds(txtAnalysisSeconds->value());
    accept();
}

} // namespace quobix
