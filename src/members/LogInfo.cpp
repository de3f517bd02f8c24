#include "members/LogInfo.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {
const QString kUserName = QStringLiteral("UserName");
const QString kPassWord = QStringLiteral("PassWord");
} // namespace

std::optional<LogInfo> LogInfo::readFromFile(const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly) || file.size() > maxFileBytes)
        return std::nullopt;
    const QByteArray bytes = file.read(maxFileBytes + 1);
    if (bytes.size() > maxFileBytes)
        return std::nullopt;
    const QJsonObject object = QJsonDocument::fromJson(bytes).object();
    const QJsonValue userName = object.value(kUserName);
    const QJsonValue passWord = object.value(kPassWord);
    if (!userName.isString() || !passWord.isString())
        return std::nullopt;
    return LogInfo{userName.toString(), passWord.toString()};
}

bool LogInfo::writeToFile(const QString &path) const
{
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // The password is kept as typed: nobody but the owner may read it.
    if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return false;
    const QJsonObject object{{kUserName, userName}, {kPassWord, passWord}};
    if (file.write(QJsonDocument(object).toJson(QJsonDocument::Compact)) < 0)
        return false;
    return file.commit();
}
