#pragma once

#include "kit/QMIndexButton.h"
#include "kit/QMTableViewCell.h"

#include <QLabel>
#include <QPointer>

class SimpleCinema;

// One cinema in a list: a check mark when it sells tickets through the service, its name in
// orange, its distance, its address and an arrow; rows alternate white and grey.
class QMCinemaCell : public QMTableViewCell
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMCinemaCell)

public:
    static constexpr int rowHeight = 60;
    static inline const QString kReuseIdentifier = QStringLiteral("CinemaCellIdentifier");

    QMCinemaCell();

    // Shows the cinema of that row, built afresh.
    void setCinema(const SimpleCinema &cinema, int row, const QString &distanceText);

    // Null for a cinema that does not sell through the service.
    QMIndexButton *checkMark() const { return m_checkMark; }
    QLabel *nameLabel() const { return m_nameLabel; }
    QLabel *distanceLabel() const { return m_distanceLabel; }
    QLabel *addressLabel() const { return m_addressLabel; }

signals:
    void checkMarkClicked(int row);

private:
    QPointer<QMIndexButton> m_checkMark;
    QPointer<QLabel> m_nameLabel;
    QPointer<QLabel> m_distanceLabel;
    QPointer<QLabel> m_addressLabel;
};
