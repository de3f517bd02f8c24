#include "QMSSchema.h"

#include "QMSConnection.h"

void QMSSchema::create(QMSConnection &db)
{
    db.exec(R"sql(
CREATE TABLE IF NOT EXISTS meta (key TEXT PRIMARY KEY, value TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS districts (
    code TEXT PRIMARY KEY, name TEXT NOT NULL, briefname TEXT NOT NULL, position INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS cinemas (
    id INTEGER PRIMARY KEY, district TEXT NOT NULL REFERENCES districts(code),
    name TEXT NOT NULL UNIQUE, englishname TEXT, address TEXT, phone TEXT, transport TEXT,
    opentime TEXT, park TEXT, content TEXT, indexarea TEXT, generalmark TEXT,
    environmentmark TEXT, servicemark TEXT, audiomark TEXT, pricemark TEXT, feature TEXT,
    discount TEXT, pairseat TEXT, visacard TEXT, playground TEXT,
    pointx REAL NOT NULL, pointy REAL NOT NULL, open INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS halls (
    id INTEGER PRIMARY KEY, cinema INTEGER NOT NULL REFERENCES cinemas(id),
    name TEXT NOT NULL, layout TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS films (
    id INTEGER PRIMARY KEY, name TEXT NOT NULL, englishname TEXT, language TEXT, type TEXT,
    state TEXT NOT NULL, director TEXT, actors TEXT, honor TEXT, length TEXT, content TEXT,
    hotvalue TEXT, storymark TEXT, performmark TEXT, audiomark TEXT, screenmark TEXT,
    releasedate TEXT, generalmark TEXT, minutes INTEGER NOT NULL, position INTEGER NOT NULL,
    cinemanum INTEGER NOT NULL DEFAULT 0, ordercinemanum INTEGER NOT NULL DEFAULT 0);
CREATE INDEX IF NOT EXISTS films_in_order ON films (state, position);
CREATE TABLE IF NOT EXISTS repertoire (
    cinema INTEGER NOT NULL REFERENCES cinemas(id), film INTEGER NOT NULL REFERENCES films(id),
    PRIMARY KEY (cinema, film));
CREATE TABLE IF NOT EXISTS screenings (
    id INTEGER PRIMARY KEY, cinema INTEGER NOT NULL REFERENCES cinemas(id),
    hall INTEGER NOT NULL REFERENCES halls(id), film INTEGER NOT NULL REFERENCES films(id),
    playdate TEXT NOT NULL, playtime TEXT NOT NULL, language TEXT, edition TEXT,
    price INTEGER NOT NULL, quelprice INTEGER NOT NULL, open INTEGER NOT NULL);
CREATE INDEX IF NOT EXISTS screenings_by_cinema ON screenings (cinema, playdate, playtime);
CREATE INDEX IF NOT EXISTS screenings_by_film ON screenings (film, playdate);
CREATE TABLE IF NOT EXISTS members (
    id INTEGER PRIMARY KEY, email TEXT NOT NULL UNIQUE COLLATE NOCASE, mobile TEXT UNIQUE,
    nickname TEXT NOT NULL UNIQUE, password TEXT NOT NULL, sex TEXT, position TEXT, body TEXT,
    pointvalue INTEGER NOT NULL DEFAULT 0, balance INTEGER NOT NULL DEFAULT 0,
    pointx REAL, pointy REAL, created TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS sessions (
    token TEXT PRIMARY KEY, member INTEGER NOT NULL REFERENCES members(id), created TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS comments (
    id INTEGER PRIMARY KEY, member INTEGER NOT NULL REFERENCES members(id),
    parent INTEGER REFERENCES comments(id), tag TEXT, relatedid TEXT,
    transfer INTEGER REFERENCES comments(id), body TEXT NOT NULL, mark INTEGER NOT NULL DEFAULT 0,
    flowernum INTEGER NOT NULL DEFAULT 0, comefrom TEXT, screening INTEGER REFERENCES screenings(id),
    addtime TEXT NOT NULL);
CREATE INDEX IF NOT EXISTS comments_by_topic ON comments (tag, relatedid, id);
CREATE INDEX IF NOT EXISTS comments_by_member ON comments (member, id);
CREATE INDEX IF NOT EXISTS comments_by_parent ON comments (parent, id);
CREATE TABLE IF NOT EXISTS follows (
    member INTEGER NOT NULL REFERENCES members(id), tag TEXT NOT NULL, relatedid TEXT NOT NULL,
    time TEXT NOT NULL, PRIMARY KEY (member, tag, relatedid));
CREATE TABLE IF NOT EXISTS agendas (
    id INTEGER PRIMARY KEY, member INTEGER NOT NULL REFERENCES members(id),
    screening INTEGER REFERENCES screenings(id), body TEXT NOT NULL, time TEXT NOT NULL);
CREATE INDEX IF NOT EXISTS agendas_by_member ON agendas (member, time);
CREATE TABLE IF NOT EXISTS checkins (
    id INTEGER PRIMARY KEY, member INTEGER NOT NULL REFERENCES members(id),
    cinema INTEGER NOT NULL REFERENCES cinemas(id), time TEXT NOT NULL, points INTEGER NOT NULL);
CREATE INDEX IF NOT EXISTS checkins_by_member ON checkins (member, id);
CREATE TABLE IF NOT EXISTS orders (
    id INTEGER PRIMARY KEY, tradeno TEXT NOT NULL UNIQUE, member INTEGER NOT NULL REFERENCES members(id),
    screening INTEGER NOT NULL REFERENCES screenings(id), mobile TEXT NOT NULL,
    unitprice INTEGER NOT NULL, quantity INTEGER NOT NULL, discount INTEGER NOT NULL,
    amount INTEGER NOT NULL, seats TEXT NOT NULL, created TEXT NOT NULL,
    validuntil INTEGER NOT NULL, state TEXT NOT NULL, paytoken TEXT, code TEXT);
-- One row per seat taken: the primary key is what makes a seat impossible to sell twice.
CREATE TABLE IF NOT EXISTS order_seats (
    screening INTEGER NOT NULL, rowid_text TEXT NOT NULL, seat TEXT NOT NULL,
    orderid INTEGER NOT NULL REFERENCES orders(id),
    PRIMARY KEY (screening, rowid_text, seat));
CREATE INDEX IF NOT EXISTS order_seats_by_order ON order_seats (orderid);
CREATE TABLE IF NOT EXISTS pictures (name TEXT PRIMARY KEY, data BLOB NOT NULL);
)sql");
}

void QMSSchema::clear(QMSConnection &db)
{
    db.exec(R"sql(
DELETE FROM order_seats; DELETE FROM orders; DELETE FROM checkins; DELETE FROM agendas;
DELETE FROM follows; DELETE FROM comments; DELETE FROM sessions; DELETE FROM members;
DELETE FROM screenings; DELETE FROM repertoire; DELETE FROM films; DELETE FROM halls;
DELETE FROM cinemas; DELETE FROM districts; DELETE FROM pictures; DELETE FROM meta;
)sql");
}
