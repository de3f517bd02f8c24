#include "QMSPictures.h"

#include "QMSStatement.h"

void QMSPictures::store(QMSConnection &db, const std::string &name, const std::string &jpeg)
{
    QMSStatement insert(db, "INSERT OR REPLACE INTO pictures (name, data) VALUES (?, ?)");
    insert.with(name).withBlob(jpeg);
    insert.run();
}

std::optional<std::string> QMSPictures::load(QMSConnection &db, const std::string &name)
{
    QMSStatement picture(db, "SELECT data FROM pictures WHERE name = ?");
    picture.with(name);
    if (!picture.step())
        return std::nullopt;
    return picture.blob(0);
}
