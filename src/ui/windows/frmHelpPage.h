#pragma once

#include <QDialog>
#include <QPixmap>

class QPushButton;

namespace quobix {

// One page of the help: its picture at the top left and its buttons on the picture's white
// bottom right. Next and Previous close the page and the help then shows the neighbouring
// page, so exactly one page is open at a time.
class frmHelpPage : public QDialog {
    Q_OBJECT
public:
    static constexpr qint16 PageCount = 5;

    // Shows the help modally from page 1 until the user closes a page; every page is owned by
    // owner and created afresh.
    static void ShowHelp(QWidget* owner);

    qint16 Page() const { return page; }
    // The page to show after this one closed: 0 when the help ends.
    qint16 FollowingPage() const { return following; }
    const QPixmap& Picture() const { return picture; }

    // The buttons this page has; the others stay null.
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdPrevious = nullptr;
    QPushButton* cmdCancel = nullptr;

public slots:
    void cmdCancel_Click();
    void cmdNext_Click();
    void cmdPrevious_Click();

protected:
    frmHelpPage(qint16 page, QWidget* parent);

    // Buttons join the tab order in the order they are added.
    void AddNext(int left);
    void AddPrevious(int left);
    void AddCancel(int left);

    void paintEvent(QPaintEvent* event) override;

private:
    QPushButton* AddButton(const char* caption, int left, void (frmHelpPage::*handler)());
    void CloseToPage(qint16 next);

    qint16 page;
    qint16 following = 0;
    QPixmap picture;
};

} // namespace quobix
