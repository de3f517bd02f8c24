#pragma once

#include "app/QMMainAppDelegate.h"
#include "cinemas/SimpleCinema.h"

#include "QMTestDocuments.h"
#include "QMTestService.h"

#include <QList>
#include <QString>

#include <gtest/gtest.h>

#include <memory>

// The whole client against the stand-in service (one for the suite), launched and past its
// cover, walking around People's Square.
class QMAppTestCase : public ::testing::Test
{
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Touches a tab of the tab bar.
    void tapTab(int index);
    // Saves the window when QM_SCREENSHOT_DIR names a directory, to look at.
    void screenshot(const QString &name);
    // Every cinema of the service: without a position the nearby list holds them all.
    static QList<std::shared_ptr<SimpleCinema>> serviceCatalogue();

    static QMTestService *service;
    QMTestDocuments documents;
    std::unique_ptr<QMMainAppDelegate> delegate;
};
