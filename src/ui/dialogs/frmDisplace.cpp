#include "dialogs/frmDisplace.h"

#include "windows/BuiltInPictures.h"
#include "windows/DialogSupport.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace quobix {

namespace {
    constexpr int TwipsPerPixel = 15;

    QRect Twips(int left, int top, int width, int height)
    {
        return { left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel,
            height / TwipsPerPixel };
    }

    struct Placement {
        int listLeft, listTop; // negative: the button has no list
        int buttonLeft, buttonTop;
        const char* picture;
    };
    constexpr Placement Placements[12] = {
        { -1, -1, 1485, 540, "center" },
        { 1170, 60, 1800, 60, "n" },
        { 2280, 60, 2910, 60, "ne" },
        { 2280, 540, 2910, 540, "e" },
        { 2280, 1020, 2910, 1020, "se" },
        { 1170, 1020, 1800, 1020, "s" },
        { 60, 1020, 690, 1020, "sw" },
        { 60, 540, 690, 540, "w" },
        { 60, 60, 690, 60, "nw" },
        { 60, 1500, 915, 1500, "rotate" },
        { -1, -1, 1905, 1500, "flipv" },
        { -1, -1, 2910, 1500, "fliph" },
    };

    constexpr int ButtonSide = 375;
    constexpr int ListHeight = 360;
    constexpr int DirectionListWidth = 585;
    constexpr int AngleListWidth = 810;
    // Room between a group of controls and its frame.
    constexpr int FrameGap = 2;
}

frmDisplace::frmDisplace(QWidget* parent, QPoint twips)
    : QDialog(parent)
    , cmdDisplace(12, nullptr)
    , cmbDisplace(10, nullptr)
{
    BuiltInPictures::Init();
    BuildControls();
    Form_Load(twips);
}

void frmDisplace::BuildControls()
{
    DialogSupport::SetUpFixedDialog(
        this, QStringLiteral("Displace level"), 3345 / TwipsPerPixel, 1935 / TwipsPerPixel);

    QFont listFont(QStringLiteral("Arial"));
    listFont.setPointSizeF(9.75);
    listFont.setBold(true);

    // Created in tab order: the buttons, then the lists.
    for (qint16 index = 0; index < DisplaceCommand::Count; ++index) {
        const Placement& p = Placements[index];
        auto* button = new QPushButton(this);
        button->setGeometry(Twips(p.buttonLeft, p.buttonTop, ButtonSide, ButtonSide));
        button->setIcon(QIcon(QStringLiteral(":/displace/%1.png").arg(QLatin1String(p.picture))));
        button->setIconSize(QSize(21, 21));
        // No button is the dialog's default: Enter acts on what has the focus (eventFilter).
        button->setAutoDefault(false);
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, index] { cmdDisplace_Click(index); });
        cmdDisplace[index] = button;
    }
    for (int index = DisplaceCommand::North; index <= DisplaceCommand::Rotate; ++index) {
        const Placement& p = Placements[index];
        auto* list = new QComboBox(this);
        const int width = index == DisplaceCommand::Rotate ? AngleListWidth : DirectionListWidth;
        list->setGeometry(Twips(p.listLeft, p.listTop, width, ListHeight));
        list->setFont(listFont);
        list->installEventFilter(this);
        cmbDisplace[index] = list;
    }
    for (int index = 1; index < DisplaceCommand::Count; ++index)
        setTabOrder(cmdDisplace[index - 1], cmdDisplace[index]);
    setTabOrder(
        cmdDisplace[DisplaceCommand::MirrorLeftToRight], cmbDisplace[DisplaceCommand::North]);
    for (int index = DisplaceCommand::North + 1; index <= DisplaceCommand::Rotate; ++index)
        setTabOrder(cmbDisplace[index - 1], cmbDisplace[index]);
}

void frmDisplace::Form_Load(QPoint twips)
{
    move(twips.x() / TwipsPerPixel, twips.y() / TwipsPerPixel);
}

void frmDisplace::FillDisplaceChoices(const modDisplace::DisplaceChoices& choices)
{
    if (!choices.possible)
        return;
    for (int index = DisplaceCommand::North; index <= DisplaceCommand::Rotate; ++index) {
        QComboBox* list = cmbDisplace[index];
        list->clear();
        list->addItems(choices.items[index]);
        const bool offered = list->count() > 0;
        list->setCurrentIndex(offered ? 0 : -1);
        list->setEnabled(offered);
        cmdDisplace[index]->setEnabled(offered);
    }
    for (const int index : { DisplaceCommand::Centre, DisplaceCommand::MirrorTopToBottom,
             DisplaceCommand::MirrorLeftToRight })
        cmdDisplace[index]->setEnabled(true);
}

void frmDisplace::cmdDisplace_Click(qint16 Index)
{
    PerformedText = Index >= DisplaceCommand::North && Index <= DisplaceCommand::Rotate
        ? cmbDisplace[Index]->currentText()
        : QString();
    PerformedCommand = Index;
    unloadingByProgram = true;
    accept();
}

void frmDisplace::done(int result)
{
    qint16 Cancel = 0;
    Form_QueryUnload(Cancel, unloadingByProgram ? vbFormCode : vbFormControlMenu);
    unloadingByProgram = false;
    if (Cancel == 0)
        QDialog::done(result);
}

bool frmDisplace::eventFilter(QObject* watched, QEvent* event)
{
    // Enter on a button presses it; Enter on a list performs that list's displacement with the
    // amount shown, as its button would.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            for (qint16 index = 0; index < DisplaceCommand::Count; ++index) {
                if (watched != cmdDisplace[index] && watched != cmbDisplace.value(index))
                    continue;
                if (cmdDisplace[index]->isEnabled())
                    cmdDisplace[index]->click();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmDisplace::Form_QueryUnload(qint16& Cancel, qint16 UnloadMode)
{
    Q_UNUSED(Cancel); // every unload goes ahead
    again = UnloadMode != vbFormControlMenu;
    if (again)
        position = pos() * TwipsPerPixel;
}

void frmDisplace::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    const QPalette& colours = palette();
    // Two lines on each side: a single light line hardly shows on the window's own colour.
    auto edges = [&painter](const QRect& r, const QColor& light, const QColor& dark) {
        painter.setPen(light);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(dark);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    };
    auto raisedFrame = [&](const QRect& area) {
        const QRect outer = area.adjusted(-FrameGap, -FrameGap, FrameGap, FrameGap);
        edges(outer, colours.color(QPalette::Light), colours.color(QPalette::Dark));
        edges(outer.adjusted(1, 1, -1, -1), colours.color(QPalette::Light),
            colours.color(QPalette::Mid));
    };
    for (int index = 0; index < 12; ++index) {
        QRect area = cmdDisplace[index]->geometry();
        if (index >= 1 && index <= 9)
            area = area.united(cmbDisplace[index]->geometry());
        raisedFrame(area);
    }
}

} // namespace quobix
