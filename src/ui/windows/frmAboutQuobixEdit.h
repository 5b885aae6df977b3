#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace quobix {

// Credits, version and date of the editor.
class frmAboutQuobixEdit : public QDialog {
    Q_OBJECT
public:
    explicit frmAboutQuobixEdit(QWidget* parent = nullptr);

    QLabel* lbl1about;
    QLabel* lbl2about;
    QLabel* lbl3About;
    QLabel* Image1;
    QPushButton* cmdAbout;

    // The captions as the program writes them, lines separated by CR alone; the labels show
    // them with their own line breaks.
    QString lbl1aboutCaption;
    QString lbl2aboutCaption;
    QString lbl3AboutCaption;

public slots:
    void cmdAbout_Click();

private:
    void Form_Load();
};

} // namespace quobix
