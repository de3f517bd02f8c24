#include "QMArtCatalog.h"

#include "QMArtButtons.h"
#include "QMArtGlyphs.h"
#include "QMArtPalette.h"
#include "QMArtSeats.h"
#include "QMArtSurfaces.h"
#include "QMArtText.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

using Backdrop = QMArtEntry::Backdrop;
using Style = QMArtButtons::Style;
using Glyph = QMArtButtons::Glyph;

QMArtEntry button(const char *name, QSizeF size, Style style, const QString &text, qreal textSize,
                  Glyph leading = nullptr, Glyph trailing = nullptr,
                  Backdrop backdrop = Backdrop::Grey)
{
    return {QString::fromLatin1(name), size, backdrop, [=](QPainter &p, const QRectF &r) {
                QMArtButtons::draw(p, r, style, {text, textSize, leading, trailing});
            }};
}

QMArtEntry tab(const char *name, bool chosen, const QString &text)
{
    return {QString::fromLatin1(name), QSizeF(150, 33), Backdrop::Grey,
            [=](QPainter &p, const QRectF &r) {
                QMArtButtons::tab(p, r, chosen, text);
            }};
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

// A filled orange tile with a white symbol: the tick of cinemas selling through the phone.
void tickTile(QPainter &p, const QRectF &r)
{
    const qreal side = std::min(r.width(), r.height()) - 1;
    const QRectF tile(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
    fill.setColorAt(0, QMArtPalette::orangeLight());
    fill.setColorAt(1, QMArtPalette::orangeDark());
    p.setPen(QPen(QMArtPalette::orangeEdge(), 0.8));
    p.setBrush(fill);
    p.drawRoundedRect(tile.adjusted(0.4, 0.4, -0.4, -0.4), 3.5, 3.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(QMArtGlyphs::check(tile.adjusted(1.5, 1.5, -1.5, -1.5), 3.6));
}

void emptyTile(QPainter &p, const QRectF &r)
{
    const qreal side = std::min(r.width(), r.height()) - 1;
    const QRectF tile(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
    fill.setColorAt(0, QColor(0xF2, 0xF2, 0xF2));
    fill.setColorAt(1, Qt::white);
    p.setPen(QPen(QColor(0xB4, 0xB4, 0xB4), 1));
    p.setBrush(fill);
    p.drawRoundedRect(tile.adjusted(0.5, 0.5, -0.5, -0.5), 3.5, 3.5);
}

void star(QPainter &p, const QRectF &r, bool lit)
{
    const QPainterPath shape = QMArtGlyphs::star(r.adjusted(0.3, 0.3, -0.3, -0.3));
    if (lit) {
        QLinearGradient fill(r.topLeft(), r.bottomLeft());
        fill.setColorAt(0, QColor(0xFF, 0xB3, 0x40));
        fill.setColorAt(1, QMArtPalette::orangeDark());
        p.setPen(QPen(QMArtPalette::orangeEdge(), 0.6));
        p.setBrush(fill);
    } else {
        p.setPen(QPen(QColor(0xC4, 0xC4, 0xC4), 0.6));
        p.setBrush(QColor(0xE4, 0xE4, 0xE4));
    }
    p.drawPath(shape);
}

void rowBadge(QPainter &p, const QRectF &r)
{
    const QRectF disc = r.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(disc.topLeft(), disc.bottomLeft());
    fill.setColorAt(0, QMArtPalette::orangeLight());
    fill.setColorAt(1, QMArtPalette::orangeDark());
    p.setPen(QPen(QMArtPalette::orangeEdge(), 0.6));
    p.setBrush(fill);
    p.drawRoundedRect(disc, 5, 5);
}

void arrow(QPainter &p, const QRectF &r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xB0, 0xB0, 0xB0));
    p.drawPath(QMArtGlyphs::chevron(QRectF(r.center().x() - 8, r.center().y() - 8, 16, 16),
                                    QMArtGlyphs::Direction::Right, 3.4));
}

void pageArrow(QPainter &p, const QRectF &r, QMArtGlyphs::Direction direction)
{
    const QRectF disc = r.adjusted(2, 2, -2, -2);
    QLinearGradient fill(disc.topLeft(), disc.bottomLeft());
    fill.setColorAt(0, QMArtPalette::orangeLight());
    fill.setColorAt(1, QMArtPalette::orangeDark());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 60, 0, 50));
    p.drawEllipse(disc.translated(0, 0.8));
    p.setPen(QPen(QMArtPalette::orangeEdge(), 0.8));
    p.setBrush(fill);
    p.drawEllipse(disc);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const qreal shift = direction == QMArtGlyphs::Direction::Right ? 0.8 : -0.8;
    p.drawPath(QMArtGlyphs::chevron(disc.adjusted(6 + shift, 6, -6 + shift, -6), direction, 3.4));
}

void checkIn(QPainter &p, const QRectF &r)
{
    QMArtButtons::draw(p, r.adjusted(2, 1.5, -2, -1.5), Style::OnBar,
                       QMArtButtons::Label{QStringLiteral("签到"), 11, QMArtGlyphs::pin});
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
        list.push_back({QStringLiteral("btn_index_right.png"),
                        {70, 27},
                        Backdrop::Bar,
                        [](QPainter &p, const QRectF &r) {
                            QMArtButtons::draw(p, r, Style::OnBar);
                        }});
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
        list.push_back({QStringLiteral("btn_selectDate.png"),
                        {78, 26},
                        Backdrop::White,
                        [](QPainter &p, const QRectF &r) {
                            QMArtButtons::draw(p, r, Style::Secondary, QMArtButtons::Label{}, 12);
                        }});
        list.push_back(surface("img_taline.png", {300, 1}, QMArtSurfaces::hairline));
        list.push_back(surface("btn_gou.png", {19, 17}, tickTile, Backdrop::Grey));
        list.push_back(surface("btn_more.png", {9, 13}, arrow));
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
        list.push_back(surface("img_myhere.png", {43, 30}, checkIn, Backdrop::Bar));
        list.push_back(tab("btn_cinema_onplay.png", true, s(u"正在上映")));
        list.push_back(tab("btn_onplay.png", false, s(u"正在上映")));
        list.push_back(tab("btn_cinema_info.png", false, s(u"影院介绍")));
        list.push_back(tab("btn_info.png", true, s(u"影院介绍")));

        // Tickets. A seat that cannot be chosen, a free seat, a seat the user has chosen.
        list.push_back(seat("seat_select.png", QMArtSeats::State::Taken));
        list.push_back(seat("seat_unavail.png", QMArtSeats::State::Free));
        list.push_back(seat("seat_avail.png", QMArtSeats::State::Chosen));
        list.push_back(surface("row_back.png", {18, 18}, rowBadge));
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
        list.push_back({QStringLiteral("score_01.png"),
                        {16, 16},
                        Backdrop::White,
                        [](QPainter &p, const QRectF &r) {
                            star(p, r, true);
                        }});
        list.push_back({QStringLiteral("score_02.png"),
                        {16, 16},
                        Backdrop::White,
                        [](QPainter &p, const QRectF &r) {
                            star(p, r, false);
                        }});
        list.push_back(button("btn_submit.png", {100, 32}, Style::Primary, s(u"发 表"), 15));

        // Members.
        list.push_back(button("btn_login.png", {280, 40}, Style::Primary, s(u"登 录"), 17));
        list.push_back(button("btn_regist.png", {80, 28}, Style::Secondary, s(u"立即注册"), 12.5));
        list.push_back(button("btn_register.png", {280, 40}, Style::Primary, s(u"注 册"), 17));
        list.push_back(surface("btn_myQuelm_bar.png", {320, 44}, QMArtSurfaces::navigationBar));
        list.push_back({QStringLiteral("btn_bar.png"),
                        {64, 32},
                        Backdrop::Bar,
                        [](QPainter &p, const QRectF &r) {
                            QMArtButtons::draw(p, r.adjusted(3, 2, -3, -1), Style::Raised);
                        }});
        list.push_back({QStringLiteral("btn_return.png"),
                        {52, 30},
                        Backdrop::Bar,
                        [](QPainter &p, const QRectF &r) {
                            QMArtButtons::back(p, r, QStringLiteral("返回"));
                        }});
        list.push_back(surface("btn_relating_cinema.png", {20, 20}, emptyTile));
        list.push_back(surface("btn_relating_movie.png", {20, 20}, tickTile));
        list.push_back(surface("btn_pizza.png", {320, 36}, QMArtSurfaces::creamStrip));
        list.push_back({QStringLiteral("btn_pizza_left.png"),
                        {28, 28},
                        Backdrop::White,
                        [](QPainter &p, const QRectF &r) {
                            pageArrow(p, r, QMArtGlyphs::Direction::Left);
                        }});
        list.push_back({QStringLiteral("btn_pizza_right.png"),
                        {28, 28},
                        Backdrop::White,
                        [](QPainter &p, const QRectF &r) {
                            pageArrow(p, r, QMArtGlyphs::Direction::Right);
                        }});
        list.push_back(button("btn_sayInfo.png", {90, 30}, Style::Primary, s(u"对Ta说"), 14,
                              QMArtGlyphs::speech));
        return list;
    }();
    return all;
}
