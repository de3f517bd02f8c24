#include "members/QMAccountForm.h"

#include "kit/QMKitStyle.h"
#include "kit/QMTextField.h"

#include <QStringList>

QMTextField *QMAccountForm::addField(QWidget *view, int top, const QString &caption)
{
    QMKitStyle::addLabel(view, QRect(margin, top, width, 20), QMKitStyle::systemFont(15),
                         QColor(60, 60, 64), caption);
    auto *field = new QMTextField(QRect(margin, top + 24, width, 34), view);
    field->setBorderStyle(QMTextField::BorderStyle::RoundedRect);
    field->setReturnKeyType(QMTextField::ReturnKeyType::Go);
    // Read out as the caption says it, without the colon that leads to the field.
    QString name = caption.trimmed();
    while (name.endsWith(QLatin1Char(':')) || name.endsWith(QChar(0xFF1A)))
        name.chop(1);
    field->setAccessibleName(name);
    return field;
}

void QMAccountForm::addPromises(QWidget *view, int top)
{
    const QStringList lines{QStringLiteral("· 手机购买电影票，方便快捷"),
                            QStringLiteral("· 看看大家关注电影、影院的什么"),
                            QStringLiteral("· 和大家交流你对电影的观点"),
                            QStringLiteral("· 看看好友在干嘛")};
    for (const QString &line : lines) {
        QMKitStyle::addLabel(view, QRect(margin, top, width, 20), QMKitStyle::systemFont(13),
                             QColor(102, 102, 102), line);
        top += 22;
    }
}
