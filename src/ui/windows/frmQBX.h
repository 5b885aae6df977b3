#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace quobix {

class LevelDocument;

// A level's grid as QBX text, one line per grid row, for reading and copying only.
class frmQBX : public QDialog {
    Q_OBJECT
public:
    frmQBX(QWidget* parent, const LevelDocument& level);

    QPlainTextEdit* txtLevel;

    // Fills txtLevel from grid lines 1..26 of buffer 1.
    void ShowLevelText(const LevelDocument& level);

    // The text as built: the 26 lines joined by CR LF. The field shows the same lines with
    // its own line breaks.
    const QString& LevelText() const { return levelText; }

private:
    QString levelText;
};

} // namespace quobix
