#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace quobix {

class LevelDocument;

// Author, top comment and bottom comment of a level. There is no OK or Cancel: whatever the
// fields hold when the window closes, in any way, becomes the level's texts.
class frmLevelInfo : public QDialog {
    Q_OBJECT
public:
    frmLevelInfo(QWidget* parent, LevelDocument& level);

    QLabel* Label1;
    QPlainTextEdit* txtTopComment;
    QLabel* Label2;
    QLineEdit* txtAuthor;
    QLabel* Label8;
    QPlainTextEdit* txtBottomComment;

protected:
    void done(int result) override;

private:
    void Form_Load();
    void Form_Unload();

    LevelDocument& level;
};

} // namespace quobix
