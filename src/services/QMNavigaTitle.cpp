#include "services/QMNavigaTitle.h"

#include <QLabel>

QMNavigaTitle::QMNavigaTitle(const QRect &frame, QWidget *parent)
    : QWidget(parent)
    , _label(new QLabel(this))
{
    setGeometry(frame);
    _label->setGeometry(0, 0, 200, 45);
    _label->setAlignment(Qt::AlignCenter);
    QPalette palette = _label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    _label->setPalette(palette);
    _label->setAttribute(Qt::WA_TranslucentBackground);
}

void QMNavigaTitle::setName(const QString &name)
{
    _label->setText(name);
}

QString QMNavigaTitle::name() const
{
    return _label->text();
}
