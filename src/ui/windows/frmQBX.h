#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace quobix {

// The level in the grid as QBX text, one line per grid row, for reading and copying only.
class frmQBX : public QDialog {
    Q_OBJECT
public:
    explicit frmQBX(QWidget* parent = nullptr);

    QPlainTextEdit* txtLevel;

    // Fills txtLevel from grid lines 1..26 of buffer 1.
    void ShowLevelText();

    // The text as built: the 26 lines joined by CR LF. The field shows the same lines with
    // its own line breaks.
    const QString& LevelText() const { return levelText; }

private:
    void Form_Load();

    QString levelText;
};

} // namespace quobix
