#include "QMServiceSuite.h"

std::unique_ptr<QMTestService> QMServiceSuite::service;
std::unique_ptr<QMServiceClient> QMServiceSuite::client;
std::unique_ptr<QMServiceSamples> QMServiceSuite::samples;

void QMServiceSuite::SetUpTestSuite()
{
    service = std::make_unique<QMTestService>();
    client = std::make_unique<QMServiceClient>(service->port());
    if (service->isRunning())
        samples = std::make_unique<QMServiceSamples>(*client);
}

void QMServiceSuite::TearDownTestSuite()
{
    samples.reset();
    client.reset();
    service.reset();
}

void QMServiceSuite::SetUp()
{
    ASSERT_TRUE(service->isRunning()) << service->log().toStdString();
    ASSERT_TRUE(samples && samples->isReady());
}
