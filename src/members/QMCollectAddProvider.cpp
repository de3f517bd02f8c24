#include "members/QMCollectAddProvider.h"

QMCollectAddProvider::QMCollectAddProvider()
    : QMCollectChangeProvider(23, &QMCollectAddProvider::collectAddDelegate,
                              &QMCollectAddProviderDelegate::collectAddProviderDidReceiveInsertData,
                              &QMCollectAddProviderDelegate::collectAddProviderDidRunIntoError)
{}
