#pragma once

#include <QWidget>

class Mpi;
class QMLabel;

// The film of a screening as the ticket screens head it: its name, and right after the name
// its mark ("8.4分", italic orange), both 15 points.
class QMScreeningTitleView : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMScreeningTitleView)

public:
    QMScreeningTitleView(const Mpi &screening, const QRect &frame, QWidget *parent);

    QMLabel *nameLabel() const { return m_nameLabel; }
    QMLabel *markLabel() const { return m_markLabel; }

private:
    QMLabel *m_nameLabel;
    QMLabel *m_markLabel;
};
