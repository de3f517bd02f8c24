#pragma once

#include "QMServiceSamples.h"
#include "QMTestService.h"

#include <gtest/gtest.h>

#include <memory>

// A test suite sharing one freshly seeded service, with the sample values ready.
class QMServiceSuite : public ::testing::Test
{
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    static std::unique_ptr<QMTestService> service;
    static std::unique_ptr<QMServiceClient> client;
    static std::unique_ptr<QMServiceSamples> samples;
};
