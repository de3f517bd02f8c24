#include "QMBenchAnswers.h"

QByteArray QMBenchAnswers::nowShowing(int count)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<data><movieList>";
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i);
        xml += "<movie><movieid>" + n + "</movieid><moviename>星际归途 " + n +
               "</moviename><language>国语</language><director>陈思远</director>"
               "<actors>李明, 王芳, 张伟</actors><openingdate>2026-11-2" +
               QByteArray::number(i % 10) +
               "</openingdate><logo>http://127.0.0.1:8470/images/poster" + n +
               ".png</logo><smalllogo>" + posterUrl(i).toUtf8() + "</smalllogo><cinemanum>" +
               QByteArray::number(20 + i % 30) + "</cinemanum><ordercinemanum>" +
               QByteArray::number(i % 20) +
               "</ordercinemanum><length>118分钟</length><generalmark>8." +
               QByteArray::number(i % 10) + "</generalmark></movie>";
    }
    return xml + "</movieList></data>";
}

QString QMBenchAnswers::posterUrl(int i)
{
    return QStringLiteral("http://127.0.0.1:8470/images/poster%1s.png").arg(i);
}
