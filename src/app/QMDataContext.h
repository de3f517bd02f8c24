#pragma once

#include <memory>

class QMLocationProvider;
class QMMovieInfoProvider;
class QMOnPlayListProvider;
class QMToPlayListProvider;

// The process-wide registry: exactly one provider of each kind, created together, in a fixed
// order, and shared by every screen. A screen sets the provider's delegate and parameters each
// time before it sends a request: the last one to set them wins.
class QMDataContext
{
public:
    static QMDataContext *CurrentDataContext();
    // Releases the registry and its providers; the next CurrentDataContext() makes new ones.
    static void CloseDataContext();

    ~QMDataContext();
    QMDataContext(const QMDataContext &) = delete;
    QMDataContext &operator=(const QMDataContext &) = delete;

    QMOnPlayListProvider *onPlayListProvider() const { return m_onPlayListProvider.get(); }
    QMMovieInfoProvider *movieInfoProvider() const { return m_movieInfoProvider.get(); }
    QMLocationProvider *locationProvider() const { return m_locationProvider.get(); }
    QMToPlayListProvider *toPlayListProvider() const { return m_toPlayListProvider.get(); }

private:
    QMDataContext();

    // Declared, and so created, in the registry's order. Service providers are shared: the
    // transport holds one while its request is in flight.
    std::shared_ptr<QMOnPlayListProvider> m_onPlayListProvider;
    std::shared_ptr<QMMovieInfoProvider> m_movieInfoProvider;
    std::unique_ptr<QMLocationProvider> m_locationProvider;
    std::shared_ptr<QMToPlayListProvider> m_toPlayListProvider;
};
