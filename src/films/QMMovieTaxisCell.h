#pragma once

#include "kit/QMIndexButton.h"
#include "kit/QMTableViewCell.h"

#include <QLabel>
#include <QPointer>

class Mpi;

// One screening of a film's schedule: time, language and edition, hall, and the price the
// cinema's way of selling calls for; a check mark when its seats can be bought through the
// service, and an arrow. Rows alternate white and grey.
class QMMovieTaxisCell : public QMTableViewCell
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMMovieTaxisCell)

public:
    static constexpr int rowHeight = 59;
    static inline const QString kReuseIdentifier = QStringLiteral("MovieTaxisControllerIdentifier");

    QMMovieTaxisCell();

    // Shows that screening as row `row`, built afresh; cinemaSells: the cinema's own `open`.
    void setScreening(const Mpi &screening, int row, bool cinemaSells);

    // Null for a screening whose seats are not sold through the service.
    QMIndexButton *checkMark() const { return m_checkMark; }
    QLabel *timeLabel() const { return m_timeLabel; }
    QLabel *versionLabel() const { return m_versionLabel; }
    QLabel *roomLabel() const { return m_roomLabel; }
    // Both null when no price is shown.
    QLabel *priceCaptionLabel() const { return m_priceCaptionLabel; }
    QLabel *priceLabel() const { return m_priceLabel; }

signals:
    void checkMarkClicked(int row);

private:
    QLabel *addText(const QRect &frame, const QString &text, const QColor &color = Qt::black);

    QPointer<QMIndexButton> m_checkMark;
    QPointer<QLabel> m_timeLabel;
    QPointer<QLabel> m_versionLabel;
    QPointer<QLabel> m_roomLabel;
    QPointer<QLabel> m_priceCaptionLabel;
    QPointer<QLabel> m_priceLabel;
};
