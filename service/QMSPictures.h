#pragma once

#include <optional>
#include <string>

class QMSConnection;

// The pictures the service serves, kept in the database by file name ("m1001.jpg").
class QMSPictures
{
public:
    static void store(QMSConnection &db, const std::string &name, const std::string &jpeg);
    static std::optional<std::string> load(QMSConnection &db, const std::string &name);
};
