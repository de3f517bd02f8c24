#pragma once

#include "kit/QMBarButton.h"

// One star of the rating row: lit or not, and its place in the row.
class QMRatingButton : public QMBarButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMRatingButton)

public:
    explicit QMRatingButton(int index, QWidget *parent = nullptr);

    int index() const { return m_index; }
    bool isShining() const { return m_shining; }
    void setShining(bool shining);

private:
    int m_index;
    bool m_shining = false;
};
