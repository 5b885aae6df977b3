#include "windows/frmHelpPage.h"

#include "windows/DialogSupport.h"

#include "windows/BuiltInPictures.h"
#include "windows/frmHelp1.h"
#include "windows/frmHelp2.h"
#include "windows/frmHelp3.h"
#include "windows/frmHelp4.h"
#include "windows/frmHelp5.h"

#include <QPainter>
#include <QPushButton>
#include <memory>

namespace quobix {

namespace {
    std::unique_ptr<frmHelpPage> MakePage(qint16 page, QWidget* owner)
    {
        switch (page) {
        case 1:
            return std::make_unique<frmHelp1>(owner);
        case 2:
            return std::make_unique<frmHelp2>(owner);
        case 3:
            return std::make_unique<frmHelp3>(owner);
        case 4:
            return std::make_unique<frmHelp4>(owner);
        case 5:
            return std::make_unique<frmHelp5>(owner);
        default:
            return nullptr;
        }
    }
}

void frmHelpPage::ShowHelp(QWidget* owner)
{
    // Each page is shown only after the one before has closed: leafing back and forth never
    // stacks modal windows.
    qint16 page = 1;
    while (auto window = MakePage(page, owner)) {
        window->exec();
        page = window->FollowingPage();
    }
}

frmHelpPage::frmHelpPage(qint16 page, QWidget* parent)
    : QDialog(parent)
    , page(page)
{
    DialogSupport::SetUpFixedDialog(this, QStringLiteral("Quobix editor help"), 642, 536);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    setFont(font);
    // The strip right of and below the picture matches the picture's own white.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    picture = BuiltInPictures::Picture(QStringLiteral("help") + QString::number(page));
}

QPushButton* frmHelpPage::AddButton(const char* caption, int left, void (frmHelpPage::*handler)())
{
    auto* button = new QPushButton(QString::fromLatin1(caption), this);
    button->setGeometry(left, 504, 55, 30);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

void frmHelpPage::AddNext(int left)
{
    cmdNext = AddButton("&Next", left, &frmHelpPage::cmdNext_Click);
}

void frmHelpPage::AddPrevious(int left)
{
    cmdPrevious = AddButton("&Previous", left, &frmHelpPage::cmdPrevious_Click);
}

void frmHelpPage::AddCancel(int left)
{
    cmdCancel = AddButton("&Cancel", left, &frmHelpPage::cmdCancel_Click);
}

void frmHelpPage::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture);
}

void frmHelpPage::CloseToPage(qint16 next)
{
    following = next;
    done(next == 0 ? QDialog::Rejected : QDialog::Accepted);
}

// The close box and Escape reject the page without a handler: following stays 0.
void frmHelpPage::cmdCancel_Click() { CloseToPage(0); }

void frmHelpPage::cmdNext_Click()
{
    if (page < PageCount)
        CloseToPage(static_cast<qint16>(page + 1));
}

void frmHelpPage::cmdPrevious_Click()
{
    if (page > 1)
        CloseToPage(static_cast<qint16>(page - 1));
}

} // namespace quobix
