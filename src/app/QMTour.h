#pragma once

#include "app/QMTourHand.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QMAlertView;
class QMCommentWriteViewController;
class QMMainAppDelegate;
class QMMemberPanel;
class QMMovieTaxisViewController;
class QMMyQuelmaViewController;
class QMNavigationController;
class QMViewController;
class QWidget;

// Walks the running client through every screen as a member would, signing in as the demo
// member on the way, and writes a picture of each screen once its answers are in: NN-name.png
// in the directory given. Only touches and keys reach the screens.
class QMTour : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMTour)

public:
    // How long a screen may take to show its answers, unless told otherwise.
    static constexpr int kScreenTimeoutMs = 20000;

    QMTour(QMMainAppDelegate *application, const QString &directory, QObject *parent = nullptr);
    ~QMTour() override;

    // The screens in the order they are visited.
    static QStringList screenNames();
    // The picture of the screen at index (0 for the first).
    static QString fileName(int index);

    // Walks the whole tour, once, from the client just launched; false at the first screen that
    // could not be reached.
    bool run();
    // The screen not reached and why, after run() gave false.
    QString failedScreen() const { return m_failedScreen; }
    QString failure() const { return m_failure; }
    // run(), then the outcome on standard output or error; the process's exit status: 0 when
    // every screen was reached, 3 otherwise.
    int runAndReport();
    QString directory() const { return m_directory; }
    void setScreenTimeout(int ms) { m_timeoutMs = ms; }

signals:
    // The tour stands on a screen whose answers are in; emitted before its picture is written.
    void screenReached(const QString &name, QWidget *window);

private:
    struct Step
    {
        const char *name;
        bool (QMTour::*reach)();
    };
    static const Step kSteps[];

    // Films.
    bool shelf();
    bool comingSoon();
    bool comingSoonFilm();
    bool filmDetails();
    bool signIn();
    bool commentWrite();
    bool commentDetails();
    bool filmSynopsis();
    bool mapOfCinemas();
    bool filmCinemas();
    // Tickets.
    bool schedule();
    bool screening();
    bool seatMap();
    bool order();
    // Cinemas.
    bool cinemasNear();
    bool districtPicker();
    bool cinemaDetails();
    bool cinemaDescription();
    bool mapOfOneCinema();
    // The member area.
    bool square();
    bool squareList();
    bool post();
    bool reply();
    bool repost();
    bool memberPage();
    bool sayToMember();
    bool memberPosts();
    bool memberFollows();
    bool interestFeed();
    bool status();
    bool repliesSent();
    bool repliesReceived();
    bool repliesAt();
    bool settings();
    bool phone();
    bool plans();

    // What a user waits for: the screen's own answers, then no busy indicator turning.
    bool waitFor(const std::function<bool()> &ready, const char *what);
    bool isQuiet() const;
    bool settled();
    bool fail(const QString &why);
    bool tap(const QWidget *widget, const char *what);
    // A touch on the field, then the text in place of what it held.
    bool type(QWidget *field, const QString &text, const char *what);
    bool tapTab(int index);
    bool goBack(int tab);
    bool leavePage();
    QMNavigationController *stack(int tab) const;
    QMViewController *topOf(int tab) const;
    template<class Screen> Screen *top(int tab) const { return qobject_cast<Screen *>(topOf(tab)); }
    // The screen on top of the tab, where the step before left it; null (a failure) otherwise.
    template<class Screen> Screen *onTop(int tab);
    // The first screening of the day's rows sold through the service; -1 when none is.
    static int soldRow(const QMMovieTaxisViewController *days);
    QMNavigationController *sheet() const;
    QMCommentWriteViewController *writer() const;
    QMMyQuelmaViewController *hub() const;
    template<class Page> Page *page() const;
    bool waitForPage(const std::function<bool()> &isPage, const char *what);
    static QMAlertView *alert();
    QWidget *window() const;

    QPointer<QMMainAppDelegate> m_application;
    QString m_directory;
    QMTourHand m_hand;
    QString m_failedScreen;
    QString m_failure;
    int m_timeoutMs = kScreenTimeoutMs;
};
