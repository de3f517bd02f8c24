#include "QMArtCatalog.h"

#include "QMArtButtons.h"
#include "QMArtGlyphs.h"
#include "QMArtMarks.h"
#include "QMArtSeats.h"
#include "QMArtSurfaces.h"

#include <QPainter>

namespace {

using Backdrop = QMArtEntry::Backdrop;
using Style = QMArtButtons::Style;
using Glyph = QMArtButtons::Glyph;

QMArtEntry button(const char *name, QSizeF size, Style style, const QString &text, qreal textSize,
                  Glyph leading = nullptr, Glyph trailing = nullptr,
                  Backdrop backdrop = Backdrop::Grey)
{
    // Letters spaced out for the look are read as one word.
    return QMArtEntry(QString::fromLatin1(name), size, backdrop,
                      [=](QPainter &p, const QRectF &r) {
                          QMArtButtons::draw(p, r, style, {text, textSize, leading, trailing});
                      })
        .withWords(QString(text).remove(QLatin1Char(' ')));
}

QMArtEntry tab(const char *name, bool chosen, const QString &text)
{
    return QMArtEntry(QString::fromLatin1(name), QSizeF(150, 33), Backdrop::Grey,
                      [=](QPainter &p, const QRectF &r) { QMArtButtons::tab(p, r, chosen, text); })
        .withWords(text);
}

QMArtEntry seat(const char *name, QMArtSeats::State state)
{
    return {QString::fromLatin1(name), QSizeF(30, 30), Backdrop::White,
            [=](QPainter &p, const QRectF &r) {
                QMArtSeats::draw(p, r, state);
            }};
}

QMArtEntry tabSymbol(const char *name, QPainterPath (*symbol)(const QRectF &))
{
    return {QString::fromLatin1(name), QSizeF(30, 30), Backdrop::White,
            [=](QPainter &p, const QRectF &r) {
                QMArtSurfaces::tabSymbol(p, symbol(r.adjusted(1, 1, -1, -1)));
            }};
}

QMArtEntry surface(const char *name, QSizeF size, void (*paint)(QPainter &, const QRectF &),
                   Backdrop backdrop = Backdrop::White)
{
    return {QString::fromLatin1(name), size, backdrop, paint};
}

} // namespace

const std::vector<QMArtEntry> &QMArtCatalog::entries()
{
    static const std::vector<QMArtEntry> all = [] {
        const auto s = [](const char16_t *text) {
            return QString::fromUtf16(text);
        };
        std::vector<QMArtEntry> list;

        // Launch, tabs, shared placeholders.
        list.push_back(surface("loading.jpg", {320, 480}, QMArtSurfaces::launchCover));
        list.push_back(tabSymbol("movie.png", QMArtGlyphs::clapper));
        list.push_back(tabSymbol("cinema.png", QMArtGlyphs::theatre));
        list.push_back(tabSymbol("myQMR.png", QMArtGlyphs::chatter));
        list.push_back(surface("default.jpg", {150, 200}, QMArtSurfaces::posterPlaceholder));

        // The film shelf and the film details.
        list.push_back(surface("listBack.png", {320, 440}, QMArtSurfaces::shelf));
        list.push_back(
            surface("btn_index_right.png", {70, 27}, QMArtMarks::barButton, Backdrop::Bar));
        list.push_back(tab("btn_movieArray1.png", true, s(u"上映影院")));
        list.push_back(tab("btn_movieArray.png", false, s(u"上映影院")));
        list.push_back(tab("btn_movieInfo1.png", false, s(u"剧情介绍")));
        list.push_back(tab("btn_movieInfo.png", true, s(u"剧情介绍")));
        list.push_back(button("btn_selectMovie_array.png", {110, 26}, Style::Primary,
                              s(u"选择影院购票"), 12.5));
        list.push_back(button("btn_selectMap.jpg", {88, 26}, Style::Secondary, s(u"影院地图"), 12.5,
                              QMArtGlyphs::pin, nullptr, Backdrop::White));
        list.push_back(button("btn_comment.png", {77, 32}, Style::Primary, s(u"写评论"), 13.5,
                              QMArtGlyphs::pencil));
        list.push_back(surface("img_infoLine.png", {320, 4}, QMArtSurfaces::footerRule));

        // Schedules and cinema lists.
        list.push_back(surface("img_taxis_border.png", {300, 35}, QMArtSurfaces::creamStrip));
        list.push_back(surface("btn_selectDate.png", {78, 26}, QMArtMarks::chosenDay));
        list.push_back(surface("img_taline.png", {300, 1}, QMArtSurfaces::hairline));
        list.push_back(surface("btn_gou.png", {19, 17}, QMArtMarks::tickedBox, Backdrop::Grey)
                           .withWords(s(u"支持手机购票")));
        list.push_back(surface("btn_more.png", {9, 13}, QMArtMarks::moreArrow));
        list.push_back(
            surface("btn_around_cinema.png", {300, 35}, QMArtSurfaces::filterWell, Backdrop::Grey));
        list.push_back(surface("btn_around_cinema2.png", {298, 37}, QMArtSurfaces::filterWell,
                               Backdrop::Grey));
        list.push_back(button("btn_near.png", {78, 28}, Style::Secondary, s(u"附近影院"), 12,
                              QMArtGlyphs::locate, nullptr, Backdrop::White));
        list.push_back(button("btn_allCinema.png", {78, 28}, Style::Secondary, s(u"全部影院"), 12,
                              QMArtGlyphs::list, nullptr, Backdrop::White));
        list.push_back(button("btn_select_area.png", {78, 28}, Style::Secondary, s(u"选择区域"), 12,
                              nullptr, QMArtGlyphs::caretDown, Backdrop::White));

        // Cinema details.
        list.push_back(surface("img_myhere.png", {43, 30}, QMArtMarks::checkIn, Backdrop::Bar)
                           .withWords(s(u"签到")));
        list.push_back(tab("btn_cinema_onplay.png", true, s(u"正在上映")));
        list.push_back(tab("btn_onplay.png", false, s(u"正在上映")));
        list.push_back(tab("btn_cinema_info.png", false, s(u"影院介绍")));
        list.push_back(tab("btn_info.png", true, s(u"影院介绍")));

        // Tickets. A seat that cannot be chosen, a free seat, a seat the user has chosen.
        list.push_back(seat("seat_select.png", QMArtSeats::State::Taken));
        list.push_back(seat("seat_unavail.png", QMArtSeats::State::Free));
        list.push_back(seat("seat_avail.png", QMArtSeats::State::Chosen));
        list.push_back(surface("row_back.png", {18, 18}, QMArtMarks::rowBadge));
        list.push_back(button("btn_buy_ticket.png", {292, 47}, Style::Primary, s(u"立即购票"), 18));
        list.push_back(
            button("btn_add_myLive.png", {292, 47}, Style::Primary, s(u"加入我的生活"), 18));
        list.push_back(
            button("btn_add_myLive1.png", {292, 47}, Style::Secondary, s(u"加入我的生活"), 18));
        list.push_back(button("btn_confirm.png", {90, 32}, Style::Primary, s(u"确认选座"), 14));
        list.push_back(surface("btn_select_pew.png", {320, 36}, QMArtSurfaces::seatLegend));
        list.push_back(
            button("btn_conformPayment.png", {145, 30}, Style::Primary, s(u"确认支付"), 14));

        // Comments.
        list.push_back(surface("score_01.png", {16, 16}, QMArtMarks::litStar));
        list.push_back(surface("score_02.png", {16, 16}, QMArtMarks::dimStar));
        list.push_back(button("btn_submit.png", {100, 32}, Style::Primary, s(u"发 表"), 15));

        // Members.
        list.push_back(button("btn_login.png", {280, 40}, Style::Primary, s(u"登 录"), 17));
        list.push_back(button("btn_regist.png", {80, 28}, Style::Secondary, s(u"立即注册"), 12.5));
        list.push_back(button("btn_register.png", {280, 40}, Style::Primary, s(u"注 册"), 17));
        list.push_back(surface("btn_myQuelm_bar.png", {320, 44}, QMArtSurfaces::navigationBar));
        list.push_back(surface("btn_bar.png", {64, 32}, QMArtMarks::chosenSection, Backdrop::Bar));
        list.push_back(surface("btn_return.png", {52, 30}, QMArtMarks::backButton, Backdrop::Bar)
                           .withWords(s(u"返回")));
        list.push_back(surface("btn_relating_cinema.png", {20, 20}, QMArtMarks::emptyBox));
        list.push_back(surface("btn_relating_movie.png", {20, 20}, QMArtMarks::tickedBox));
        list.push_back(surface("btn_pizza.png", {320, 36}, QMArtSurfaces::creamStrip));
        list.push_back(
            surface("btn_pizza_left.png", {28, 28}, QMArtMarks::pageLeft).withWords(s(u"上一个")));
        list.push_back(surface("btn_pizza_right.png", {28, 28}, QMArtMarks::pageRight)
                           .withWords(s(u"下一个")));
        list.push_back(button("btn_sayInfo.png", {90, 30}, Style::Primary, s(u"对Ta说"), 14,
                              QMArtGlyphs::speech));
        return list;
    }();
    return all;
}
