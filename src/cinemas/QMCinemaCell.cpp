#include "cinemas/QMCinemaCell.h"

#include "cinemas/SimpleCinema.h"
#include "kit/QMIndexButton.h"
#include "kit/QMKitStyle.h"
#include "services/QMResourceImages.h"

#include <QLabel>

QMCinemaCell::QMCinemaCell()
    : QMTableViewCell(CellStyle::Default, kReuseIdentifier)
{
    setSelectionStyle(SelectionStyle::None);
    resize(298, rowHeight);
}

void QMCinemaCell::setCinema(const SimpleCinema &cinema, int row, const QString &distanceText)
{
    // Later: the touch that led here may still be inside the old check mark.
    for (QWidget *old : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        old->hide();
        old->setParent(nullptr);
        old->deleteLater();
    }
    setBackgroundColor(row % 2 ? QMKitStyle::lightGrayColor() : QColor(Qt::white));

    if (cinema.open) {
        m_checkMark =
            new QMIndexButton(QMResourceImages::named(QStringLiteral("btn_gou.png")), this);
        m_checkMark->setGeometry(10, 13, 19, 17);
        m_checkMark->index = row;
        QMIndexButton *mark = m_checkMark;
        connect(mark, &QAbstractButton::clicked, this,
                [this, mark] { emit checkMarkClicked(mark->index); });
        m_checkMark->show();
    }
    m_nameLabel = QMKitStyle::addLabel(this, QRect(32, 10, 180, 21), QMKitStyle::systemFont(16),
                                       QMKitStyle::tintColor(), cinema.cinemaname);
    m_distanceLabel = QMKitStyle::addLabel(this, QRect(209, 10, 50, 16), QMKitStyle::systemFont(12),
                                           QColor::fromRgbF(0.4f, 0.4f, 0.4f), distanceText);
    m_addressLabel = QMKitStyle::addLabel(this, QRect(32, 36, 220, 17), QMKitStyle::systemFont(12),
                                          Qt::black, cinema.address);
    for (QLabel *label : {m_nameLabel.data(), m_distanceLabel.data(), m_addressLabel.data()}) {
        label->setTextFormat(Qt::PlainText);
        label->show();
    }
    auto *arrow = new QLabel(this);
    arrow->setGeometry(280, 25, 9, 13);
    arrow->setScaledContents(true);
    arrow->setPixmap(QPixmap::fromImage(QMResourceImages::named(QStringLiteral("btn_more.png"))));
    arrow->show();
}
