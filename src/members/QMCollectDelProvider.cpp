#include "members/QMCollectDelProvider.h"

QMCollectDelProvider::QMCollectDelProvider()
    : QMCollectChangeProvider(29, &QMCollectDelProvider::collectDelDelegate,
                              &QMCollectDelProviderDelegate::collectDelProviderDidReceiveInsertData,
                              &QMCollectDelProviderDelegate::collectDelProviderDidRunIntoError)
{}
