#pragma once

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

// A touch where the member sees the widget: whatever lies there in the window gets it.
inline void tapWhereSeen(QWidget *widget)
{
    ASSERT_TRUE(widget);
    QWidget *top = widget->window();
    const QPoint at = widget->mapTo(top, QRect(QPoint(), widget->size()).center());
    QWidget *target = top->childAt(at);
    ASSERT_TRUE(target);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(top, at));
}
