#pragma once

#include "services/QMImageCacheDelegate.h"

#include <QLabel>
#include <QString>

// A picture named by an address (a member's head picture, a cinema's photo), through the image
// cache: "default.jpg" with a small busy indicator until it arrives, and for good when the
// address is empty or the picture cannot be had. Never waits for the network.
class QMCachedImageView : public QLabel, public QMImageCacheDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMCachedImageView)

public:
    explicit QMCachedImageView(QWidget *parent = nullptr);
    ~QMCachedImageView() override;

    // Shows the picture of that address (a reused view forgets the one it waited for).
    void setImageUrl(const QString &url);
    QString imageUrl() const { return m_url; }
    // Until the picture has come, or failed.
    bool isLoading() const;
    // A thin frame around the picture (none when the colour is invalid).
    void setBorderColor(const QColor &color);

    void didRecievedImageForUrl(const QImage &image, const QString &url) override;
    void didRunIntoErrorForUrl(const std::optional<QMError> &error, const QString &url) override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showImage(const QImage &image);
    void showBusy(bool busy);

    QString m_url;
    QColor m_borderColor;
};
