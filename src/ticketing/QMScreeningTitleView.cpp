#include "ticketing/QMScreeningTitleView.h"

#include "cinemas/Mpi.h"
#include "kit/QMKitStyle.h"

#include <QLabel>

namespace {
constexpr int kMarkWidth = 60;
}

QMScreeningTitleView::QMScreeningTitleView(const Mpi &screening, const QRect &frame,
                                           QWidget *parent)
    : QWidget(parent)
{
    setGeometry(frame);
    const QFont font = QMKitStyle::systemFont(15);
    // A long name gives way to the mark.
    const int nameWidth =
        qMin(QFontMetrics(font).horizontalAdvance(screening.moviename) + 2, width() - kMarkWidth);
    m_nameLabel = QMKitStyle::addLabel(this, QRect(0, 0, nameWidth, height()), font, Qt::black,
                                       screening.moviename);
    m_markLabel = QMKitStyle::addLabel(this, QRect(nameWidth + 4, 0, kMarkWidth, height()),
                                       QMKitStyle::italicSystemFont(15), QMKitStyle::tintColor(),
                                       QStringLiteral("%1分").arg(screening.generalmark));
    m_nameLabel->setTextFormat(Qt::PlainText);
    m_markLabel->setTextFormat(Qt::PlainText);
}
