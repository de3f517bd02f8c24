#include "QMXMLTestRecords.h"

#include "films/MovieList.h"
#include "films/Simplemovie.h"
#include "films/movie.h"

#include <gtest/gtest.h>

TEST(RecordClass, FindsClassesFromElementNames)
{
    EXPECT_EQ(QMRecordClass::fromElementName("simplemovie"), &Simplemovie::staticRecordClass());
    EXPECT_EQ(QMRecordClass::fromElementName("Simplemovie"), &Simplemovie::staticRecordClass());
    EXPECT_EQ(QMRecordClass::fromElementName("xTItem"), &XTItem::staticRecordClass());
    // Only a lower-case ASCII first letter is raised: "movie" names no class, "Movie" neither.
    EXPECT_EQ(QMRecordClass::fromElementName("movie"), nullptr);
    EXPECT_EQ(QMRecordClass::named("movie"), &movie::staticRecordClass());
    EXPECT_EQ(QMRecordClass::fromElementName(""), nullptr);
    EXPECT_EQ(QMRecordClass::fromElementName("NoSuchRecord"), nullptr);
    EXPECT_EQ(QMRecordClass::fromElementName("QObject"), nullptr);
}

TEST(RecordClass, TableHoldsBaseFieldsAndDerivedDeclarationsWin)
{
    const QMRecordClass &special = XTSpecialItem::staticRecordClass();
    EXPECT_TRUE(special.isSubclassOf(XTItem::staticRecordClass()));
    EXPECT_FALSE(XTItem::staticRecordClass().isSubclassOf(special));
    ASSERT_TRUE(special.field("name"));
    ASSERT_TRUE(special.field("extra"));
    EXPECT_EQ(special.field("extra")->type(), QMFieldType::Int);
    EXPECT_EQ(special.allFields().size(), 2u);
    EXPECT_EQ(special.field("nothing"), nullptr);

    const QMRecordClass &all = XTAll::staticRecordClass();
    EXPECT_EQ(all.field("longInteger")->type(), QMFieldType::Long);
    EXPECT_EQ(all.field("items")->valueClass(), &XTItem::staticRecordClass());
    EXPECT_EQ(all.field("anything")->valueClass(), nullptr);
    EXPECT_EQ(all.field("item")->valueClass(), &XTItem::staticRecordClass());
}

TEST(RecordClass, FilmFromListRowCopiesTheListFields)
{
    Simplemovie row;
    row.movieid = QStringLiteral("m1");
    row.moviename = QStringLiteral("名");
    row.language = QStringLiteral("国语");
    row.openingdate = QStringLiteral("2026-12-01");
    row.cinemanum = 7;
    row.ordercinemanum = 3;
    row.smalllogo = QStringLiteral("http://x/p.png");
    const movie film(row);
    EXPECT_EQ(film.movieid, row.movieid);
    EXPECT_EQ(film.moviename, row.moviename);
    EXPECT_TRUE(film.language.isNull());
    EXPECT_EQ(film.releasedate, row.openingdate);
    EXPECT_EQ(film.cinemanum, 7);
    EXPECT_EQ(film.ordercinemanum, 3);
    EXPECT_EQ(film.smalllogo, row.smalllogo);
}
