#include "films/QMMovieTaxisCell.h"

#include "cinemas/Mpi.h"
#include "kit/QMKitStyle.h"
#include "services/QMResourceImages.h"

QMMovieTaxisCell::QMMovieTaxisCell()
    : QMTableViewCell(CellStyle::Default, kReuseIdentifier)
{
    setSelectionStyle(SelectionStyle::None);
    resize(300, rowHeight);
}

void QMMovieTaxisCell::setScreening(const Mpi &screening, int row, bool cinemaSells)
{
    // Later: the touch that led here may still be inside the old check mark.
    for (QWidget *old : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        old->hide();
        old->setParent(nullptr);
        old->deleteLater();
    }
    setBackgroundColor(row % 2 ? QMKitStyle::lightGrayColor() : QColor(Qt::white));

    m_timeLabel = addText(QRect(32, 20, 35, 20), screening.playtime);
    m_versionLabel = addText(QRect(78, 20, 62, 20), screening.versionText());
    m_roomLabel = addText(QRect(150, 20, 50, 20), screening.playroom);

    // A cinema that sells through the service shows the service's price, any other its own.
    const int price = cinemaSells ? screening.quelprice : screening.price;
    if (price != 0) {
        m_priceCaptionLabel =
            addText(QRect(204, 20, 36, 20),
                    cinemaSells ? QStringLiteral(" 售价: ") : QStringLiteral("原价: "));
        m_priceLabel = addText(QRect(240, 20, 42, 20), QStringLiteral("%1元").arg(price),
                               QMKitStyle::tintColor());
    }

    if (screening.open) {
        m_checkMark =
            new QMIndexButton(QMResourceImages::named(QStringLiteral("btn_gou.png")), this);
        m_checkMark->setGeometry(10, 22, 19, 17);
        m_checkMark->index = row;
        QMIndexButton *mark = m_checkMark;
        connect(mark, &QAbstractButton::clicked, this,
                [this, mark] { emit checkMarkClicked(mark->index); });
        m_checkMark->show();
    }

    auto *arrow = new QLabel(this);
    arrow->setGeometry(280, 22, 9, 13);
    arrow->setScaledContents(true);
    arrow->setPixmap(QPixmap::fromImage(QMResourceImages::named(QStringLiteral("btn_more.png"))));
    arrow->show();
}

QLabel *QMMovieTaxisCell::addText(const QRect &frame, const QString &text, const QColor &color)
{
    QLabel *label = QMKitStyle::addLabel(this, frame, QMKitStyle::systemFont(13), color, text);
    label->show();
    return label;
}
