#pragma once

#include <QString>

#include <string>

class QMAlertView;
class QMTextView;
class QMWindow;
class QWidget;

// What the tests of the member area's views share.

// The alert on top, if any, and its "title/message".
QMAlertView *topAlert();
std::string alertText();
// Taps the text, then types it key by key, Chinese included.
void typeText(QMTextView *text, const QString &typed);
// Waits until the view shows no busy indicator: every answer it waits for is in.
bool waitUntilIdle(const QWidget *view, int timeoutMs = 15000);
// Saves the window when QM_SCREENSHOT_DIR names a directory, to look at.
void saveScreenshot(QMWindow *window, const QString &name);
