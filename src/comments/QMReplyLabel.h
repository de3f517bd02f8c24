#pragma once

#include "kit/QMLabel.h"
#include "services/QMGrayText.h"
#include "services/QMImageCacheDelegate.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class Comment;
class QLabel;

// A comment or a reply as a speech bubble: the author's head picture on the left, the bubble
// pointing at it, with the nickname in orange, the time since it was written on the right and
// the text below them; a re-post shows the re-posted comment in a grey box under its own text.
// The head picture comes through the image cache: "default.jpg" with a small busy indicator
// until it arrives. The parts take no touches: whatever lies over them gets those.
class QMReplyLabel : public QWidget, public QMImageCacheDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMReplyLabel)

public:
    static constexpr QRect kLogoFrame{5, 10, 40, 40};
    static constexpr int kReplyLeft = 60;
    static constexpr int kReplyTop = 20;

    explicit QMReplyLabel(QWidget *parent = nullptr);
    ~QMReplyLabel() override;

    QLabel *logo() const { return m_logo; }
    QLabel *name() const { return m_name; }
    QLabel *issueDate() const { return m_issueDate; }
    QMLabel *reply() const { return m_reply; }
    // Null unless a re-posted text is shown.
    QMGrayText *grayText() const { return m_grayText; }

    // Every part from a comment: its author's nickname and head picture, its age, its text and,
    // for a re-post, "@nickname:text" of the re-posted comment.
    void setComment(const Comment &comment);

    void setReplyText(const QString &text);
    void setReplyFont(const QFont &font);
    // Lines of the text shown at most, the last one ending in "…" when cut; 0 shows them all.
    void setMaximumLines(int lines);
    // The grey box under the text; none for an empty text.
    void setTransferText(const QString &text);
    // The head picture of that address; the placeholder stays for an empty or broken one.
    void setLogoUrl(const QString &url);
    QString logoUrl() const { return m_logoUrl; }
    // Until the head picture has come (or failed).
    bool isLoadingLogo() const;

    // All of the text, and the grey box, at that width.
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

    void didRecievedImageForUrl(const QImage &image, const QString &url) override;
    void didRunIntoErrorForUrl(const std::optional<QMError> &error, const QString &url) override;

protected:
    // The least height of the text.
    virtual int replyHeight() const { return 50; }

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void relayout();
    int replyHeightForWidth(int width) const;
    int grayTextHeightForWidth(int width) const;
    void showLogo(const QImage &image);

    QLabel *m_logo;
    QLabel *m_name;
    QLabel *m_issueDate;
    QMLabel *m_reply;
    QPointer<QMGrayText> m_grayText;
    QString m_transferText;
    QString m_logoUrl;
    int m_maximumLines = 0;
};
