#include "app/QMDataContext.h"

#include "films/QMMovieInfoProvider.h"
#include "films/QMOnPlayListProvider.h"
#include "films/QMToPlayListProvider.h"
#include "services/QMLocationProvider.h"

namespace {
std::unique_ptr<QMDataContext> &gDataContext()
{
    static std::unique_ptr<QMDataContext> context;
    return context;
}
} // namespace

QMDataContext::QMDataContext()
    : m_onPlayListProvider(std::make_shared<QMOnPlayListProvider>())
    , m_movieInfoProvider(std::make_shared<QMMovieInfoProvider>())
    , m_locationProvider(std::make_unique<QMLocationProvider>())
    , m_toPlayListProvider(std::make_shared<QMToPlayListProvider>())
{}

QMDataContext::~QMDataContext() = default;

QMDataContext *QMDataContext::CurrentDataContext()
{
    auto &context = gDataContext();
    if (!context)
        context.reset(new QMDataContext);
    return context.get();
}

void QMDataContext::CloseDataContext()
{
    gDataContext().reset();
}
