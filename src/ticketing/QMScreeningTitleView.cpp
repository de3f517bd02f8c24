#include "ticketing/QMScreeningTitleView.h"

#include "cinemas/Mpi.h"
#include "kit/QMKitStyle.h"
#include "kit/QMLabel.h"

#include <QLabel>

namespace {
constexpr int kMarkWidth = 60;
}

QMScreeningTitleView::QMScreeningTitleView(const Mpi &screening, const QRect &frame,
                                           QWidget *parent)
    : QWidget(parent)
{
    setGeometry(frame);
    // A long name gives way to the mark.
    m_nameLabel = QMKitStyle::addLabel(this, QRect(0, 0, 0, height()), QMKitStyle::systemFont(15),
                                       Qt::black, screening.moviename);
    m_nameLabel->widenToFitText(width() - kMarkWidth);
    m_markLabel =
        QMKitStyle::addLabel(this, QRect(m_nameLabel->width() + 4, 0, kMarkWidth, height()),
                             QMKitStyle::italicSystemFont(15), QMKitStyle::tintColor(),
                             QStringLiteral("%1分").arg(screening.generalmark));
}
