#include "comments/QMReplyLabel.h"

#include "comments/Comment.h"
#include "kit/QMKitStyle.h"
#include "kit/QMLabel.h"
#include "services/QMDateFormater.h"
#include "services/QMGrayText.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>

namespace {
constexpr int kBubbleRadius = 8;
constexpr QPointF kPointerTip(50, 20);
constexpr int kPointerHalfBase = 6;
constexpr int kRightMargin = 2;
constexpr int kBottomMargin = 6;
constexpr int kGrayTextInset = 8;
constexpr int kGrayTextPointer = 10;
constexpr int kTextInset = 6; // the text keeps off the bubble's edges

QFont replyFont()
{
    return QMKitStyle::systemFont(13);
}

int wrappedHeight(const QString &text, const QFont &font, int width)
{
    if (text.isEmpty() || width <= 0)
        return 0;
    return QFontMetrics(font)
        .boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap | Qt::TextWrapAnywhere, text)
        .height();
}
} // namespace

QMReplyLabel::QMReplyLabel(QWidget *parent)
    : QWidget(parent)
    , m_logo(new QMCachedImageView(this))
    , m_name(QMKitStyle::addLabel(this, QRect(70, 6, 100, 20), QMKitStyle::systemFont(14),
                                  QMKitStyle::tintColor()))
    , m_issueDate(QMKitStyle::addLabel(this, QRect(), QMKitStyle::systemFont(12), Qt::darkGray))
    , m_reply(QMKitStyle::addLabel(this, QRect(), replyFont(), Qt::black))
{
    m_logo->setGeometry(kLogoFrame);
    m_issueDate->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_reply->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_reply->setContentsMargins(kTextInset, 0, kTextInset, 0);
    m_reply->setWordWrap(true);
    for (QLabel *part : std::initializer_list<QLabel *>{m_logo, m_name, m_issueDate, m_reply}) {
        part->setTextFormat(Qt::PlainText);
        part->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    relayout();
}

QMReplyLabel::~QMReplyLabel() = default;

void QMReplyLabel::setComment(const Comment &comment)
{
    m_name->setText(comment.nickname);
    m_issueDate->setText(QMDateFormater(comment.addtime).dateInterval());
    setReplyText(comment.body);
    setTransferText(
        comment.transferid.isEmpty()
            ? QString()
            : QStringLiteral("@%1:%2").arg(comment.transfernickname, comment.transferbody));
    setLogoUrl(comment.logo);
    m_logo->setAccessibleName(comment.nickname);
}

void QMReplyLabel::setReplyText(const QString &text)
{
    m_reply->setText(text);
    relayout();
}

void QMReplyLabel::setReplyFont(const QFont &font)
{
    m_reply->setFont(font);
    relayout();
}

void QMReplyLabel::setMaximumLines(int lines)
{
    m_maximumLines = qMax(0, lines);
    relayout();
}

void QMReplyLabel::setTransferText(const QString &text)
{
    m_transferText = text;
    if (text.isEmpty()) {
        delete m_grayText;
    } else if (!m_grayText) {
        m_grayText = new QMGrayText(QRect(0, 0, 100, 50), this);
        m_grayText->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_grayText->reply()->setFont(replyFont());
        m_grayText->show();
    }
    if (m_grayText)
        m_grayText->reply()->setPlainText(text);
    relayout();
}

void QMReplyLabel::setLogoUrl(const QString &url)
{
    m_logo->setImageUrl(url);
}

QString QMReplyLabel::logoUrl() const
{
    return m_logo->imageUrl();
}

bool QMReplyLabel::isLoadingLogo() const
{
    return m_logo->isLoading();
}

int QMReplyLabel::heightForWidth(int width) const
{
    int height = kReplyTop + replyHeightForWidth(width);
    if (m_grayText)
        height += grayTextHeightForWidth(width);
    return height + kBottomMargin;
}

void QMReplyLabel::paintEvent(QPaintEvent *)
{
    const QRectF body(kReplyLeft + 0.5, 0.5, width() - kReplyLeft - 1.0, height() - 1.0);
    if (body.width() <= 0 || body.height() <= 0)
        return;
    QPainterPath bubble;
    bubble.addRoundedRect(body, kBubbleRadius, kBubbleRadius);
    QPainterPath pointer;
    pointer.moveTo(kReplyLeft + 1, kPointerTip.y() - kPointerHalfBase);
    pointer.lineTo(kPointerTip);
    pointer.lineTo(kReplyLeft + 1, kPointerTip.y() + kPointerHalfBase);
    pointer.closeSubpath();

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(170, 170, 170), 0.5));
    painter.setBrush(Qt::white);
    painter.drawPath(bubble.united(pointer));
}

void QMReplyLabel::resizeEvent(QResizeEvent *)
{
    relayout();
}

void QMReplyLabel::relayout()
{
    const int w = width();
    const int replyWidth = qMax(0, w - kReplyLeft - kRightMargin);
    m_issueDate->setGeometry(w - 200, 6, 186, 20);
    const int replyHeight = replyHeightForWidth(w);
    // The label ends its last line in "…" when the text goes on beyond the lines it may show.
    int shownHeight = replyHeight;
    if (m_maximumLines > 0) {
        const QFontMetrics metrics(m_reply->font());
        shownHeight =
            qMin(replyHeight, (m_maximumLines - 1) * metrics.lineSpacing() + metrics.height() + 1);
    }
    m_reply->setGeometry(kReplyLeft, kReplyTop, replyWidth, shownHeight);
    if (m_grayText) {
        const int boxWidth = qMax(0, w - kReplyLeft - 2 * kGrayTextInset);
        const int boxHeight = grayTextHeightForWidth(w);
        m_grayText->setGeometry(kReplyLeft + kGrayTextInset, kReplyTop + replyHeight, boxWidth,
                                boxHeight);
        m_grayText->reply()->setGeometry(kGrayTextInset, kGrayTextPointer + 2,
                                         qMax(0, boxWidth - 2 * kGrayTextInset),
                                         qMax(0, boxHeight - kGrayTextPointer - 4));
    }
    update();
}

int QMReplyLabel::replyHeightForWidth(int width) const
{
    if (m_maximumLines > 0)
        return replyHeight();
    return qMax(replyHeight(), m_reply->heightForWidth(width - kReplyLeft - kRightMargin) + 4);
}

int QMReplyLabel::grayTextHeightForWidth(int width) const
{
    // The text area's own margins, the pointer above the box and a little air below.
    const int textWidth = width - kReplyLeft - 4 * kGrayTextInset - 8;
    return kGrayTextPointer + 2 + wrappedHeight(m_transferText, replyFont(), textWidth) + 8 + 6;
}
