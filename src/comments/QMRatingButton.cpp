#include "comments/QMRatingButton.h"

#include "services/QMResourceImages.h"

QMRatingButton::QMRatingButton(int index, QWidget *parent)
    : QMBarButton(QString(), QMResourceImages::named(QStringLiteral("score_02.png")), parent)
    , m_index(index)
{
    setAccessibleName(QStringLiteral("%1分").arg(index + 1));
}

void QMRatingButton::setShining(bool shining)
{
    m_shining = shining;
    // A new picture would size the button after itself; the star keeps its place in the row.
    const QRect frame = geometry();
    setBackgroundImage(QMResourceImages::named(shining ? QStringLiteral("score_01.png")
                                                       : QStringLiteral("score_02.png")));
    setGeometry(frame);
}
