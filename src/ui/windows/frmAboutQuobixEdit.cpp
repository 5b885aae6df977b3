#include "windows/frmAboutQuobixEdit.h"

#include "windows/DialogSupport.h"

#include "level/LevelText.h"
#include "windows/BuiltInPictures.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>

namespace quobix {

namespace {
    QString Lines(const QStringList& lines) { return lines.join(CR); }

    void ShowCaption(QLabel* label, const QString& caption)
    {
        label->setText(QString(caption).replace(QChar(13), QChar(10)));
    }
}

frmAboutQuobixEdit::frmAboutQuobixEdit(QWidget* parent)
    : QDialog(parent)
{
    DialogSupport::SetUpFixedDialog(this, QStringLiteral("About Quobix level editor"), 237, 312);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    setFont(font);

    cmdAbout = new QPushButton(QStringLiteral("OK"), this);
    cmdAbout->setGeometry(84, 275, 68, 29);
    cmdAbout->setDefault(true);
    connect(cmdAbout, &QPushButton::clicked, this, &frmAboutQuobixEdit::cmdAbout_Click);

    // The picture first, so that the indented lines of the third label lie above it.
    Image1 = new QLabel(this);
    Image1->setGeometry(14, 181, 51, 42);
    Image1->setPixmap(BuiltInPictures::Picture(QStringLiteral("icon"))
                          .scaled(Image1->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));

    lbl1about = new QLabel(this);
    lbl1about->setGeometry(22, 11, 192, 66);
    lbl1about->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lbl2about = new QLabel(this);
    lbl2about->setGeometry(14, 82, 208, 66);
    lbl2about->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lbl3About = new QLabel(this);
    lbl3About->setGeometry(4, 159, 229, 110);
    lbl3About->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Form_Load();
}

void frmAboutQuobixEdit::Form_Load()
{
    const QString indent(19, QLatin1Char(' '));
    lbl1aboutCaption = Lines({ QStringLiteral("The box-pushing puzzle on a square"),
        QStringLiteral("grid was invented by Oswin Tallbridge"),
        QStringLiteral("of Marrowvale Puzzleworks, who"),
        QStringLiteral("called it Crateburrow.") });
    lbl2aboutCaption
        = Lines({ QStringLiteral("Quobix"), QStringLiteral("(Crateburrow on a hexagonal grid)"),
            QStringLiteral("implementation suggested and inspired by"),
            QStringLiteral("Ilse Dornquist") });
    lbl3AboutCaption = Lines({ QStringLiteral("This implementation of a quobix level editor is"),
        QString(), indent + QStringLiteral("version " QUOBIX_VERSION), QString(),
        indent + QStringLiteral(QUOBIX_RELEASE_DATE), QString(),
        QStringLiteral("written by Teodor Malvik"), QStringLiteral("(Varnland)") });
    ShowCaption(lbl1about, lbl1aboutCaption);
    ShowCaption(lbl2about, lbl2aboutCaption);
    ShowCaption(lbl3About, lbl3AboutCaption);
}

void frmAboutQuobixEdit::cmdAbout_Click() { close(); }

} // namespace quobix
