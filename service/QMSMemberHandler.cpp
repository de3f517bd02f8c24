#include "QMSMemberHandler.h"

#include "QMSClock.h"
#include "QMSCommentHandler.h"
#include "QMSConnection.h"
#include "QMSContext.h"
#include "QMSGeo.h"
#include "QMSPasswords.h"
#include "QMSPictureMaker.h"
#include "QMSPictures.h"
#include "QMSQuery.h"
#include "QMSRefusal.h"
#include "QMSStatement.h"
#include "QMSTextRules.h"
#include "QMSTransaction.h"

#include <optional>
#include <regex>

namespace {

struct Position
{
    double latitude;
    double longitude;
};

// The device's position where the request carries a usable one; a missing or odd position never
// stands in the way of signing in.
std::optional<Position> positionOf(const QMSContext &context)
{
    try {
        const double longitude = context.coordinate("pointx", 180);
        const double latitude = context.coordinate("pointy", 90);
        if (QMSGeo::isKnown(latitude, longitude))
            return Position{latitude, longitude};
    } catch (const QMSRefusal &) {
    }
    return std::nullopt;
}

void storePosition(QMSContext &context, long long member)
{
    const auto position = positionOf(context);
    if (!position)
        return;
    QMSStatement update(context.db, "UPDATE members SET pointx = ?, pointy = ? WHERE id = ?");
    update.with(position->longitude, position->latitude, member);
    update.run();
}

// A new sign-in token, kept until the service forgets its members.
void writeIdentity(QMSContext &context, long long member)
{
    const std::string token = QMSPasswords::randomHex(16);
    QMSStatement insert(context.db,
                        "INSERT INTO sessions (token, member, created) VALUES (?, ?, ?)");
    insert.with(token, member, QMSClock::stamp(context.now));
    insert.run();
    // memberEncode must come before memberid: the client's rewrite wraps the stretch between.
    context.xml.open("data");
    context.xml.text("memberEncode", token);
    context.xml.integer("memberid", member);
}

bool isEmail(const std::string &text)
{
    static const std::regex form(
        R"(^[A-Za-z0-9._%+-]+@[A-Za-z0-9-]+(\.[A-Za-z0-9-]+)*\.[A-Za-z]{2,}$)");
    return text.size() <= 64 && std::regex_match(text, form);
}

} // namespace

void QMSMemberHandler::signIn(QMSContext &context)
{
    const std::string name = context.text("username");
    const std::string password = context.text("password");
    if (name.empty() || password.empty())
        throw QMSRefusal(400, "请输入用户名和密码");

    long long id = 0;
    std::string hash;
    {
        // Read and let go before writing: a read still open would have to become the write,
        // which SQLite refuses at once (no waiting) when another member signed in meanwhile.
        QMSStatement member(context.db, "SELECT id, password FROM members "
                                        "WHERE email = ? COLLATE NOCASE OR mobile = ? LIMIT 1");
        member.with(name, name);
        if (member.step()) {
            id = member.integer(0);
            hash = member.text(1);
        }
    }
    if (hash.empty() || !QMSPasswords::verify(password, hash))
        throw QMSRefusal(403, "用户名或密码错误");
    QMSTransaction transaction(context.db);
    storePosition(context, id);
    writeIdentity(context, id);
    transaction.commit();
}

void QMSMemberHandler::registerMember(QMSContext &context)
{
    const std::string email = context.text("email");
    const std::string password = context.text("password");
    const std::string nickname = context.text("nickname");
    if (!isEmail(email))
        throw QMSRefusal(400, "邮箱格式不正确");
    if (QMSTextRules::characterCount(password) < 6 || QMSTextRules::characterCount(password) > 32)
        throw QMSRefusal(400, "密码长度应为6到32位");
    // Mentions are found as "@" + nickname in posts, so a nickname holds no "@" and no blank.
    if (nickname.empty() || QMSTextRules::characterCount(nickname) > 16 ||
        nickname.find_first_of("@ \t\r\n") != std::string::npos ||
        nickname.find("\u3000") != std::string::npos)
        throw QMSRefusal(400, "昵称应为1到16个字，不含空格和@");

    const std::string hash = QMSPasswords::hash(password);
    QMSTransaction transaction(context.db);
    QMSStatement taken(context.db, "SELECT email = ? COLLATE NOCASE FROM members "
                                   "WHERE email = ? COLLATE NOCASE OR nickname = ? LIMIT 1");
    taken.with(email, email, nickname);
    if (taken.step())
        throw QMSRefusal(409, taken.integer(0) ? "该邮箱已被注册" : "该昵称已被使用");

    QMSStatement insert(context.db, "INSERT INTO members (email, nickname, password, sex, "
                                    "position, body, created) VALUES (?, ?, ?, '', '', '', ?)");
    insert.with(email, nickname, hash, QMSClock::stamp(context.now));
    insert.run();
    const long long id = context.db.lastInsertId();

    QMSPictures::store(context.db, "u" + std::to_string(id) + ".jpg",
                       QMSPictureMaker::portrait(nickname, static_cast<int>(id * 47 % 360)));

    storePosition(context, id);
    writeIdentity(context, id);
    transaction.commit();
}

void QMSMemberHandler::saveMemberInfo(QMSContext &context)
{
    // Either change, both or none may come in one request; all are checked before any is kept.
    const long long member = context.signedInMember();
    const bool newSex = context.query.has("sex");
    const bool newMobile = context.query.has("mobile");
    const std::string sex = context.text("sex");
    const std::string mobile = context.text("mobile");
    if (newSex && sex != "男" && sex != "女")
        throw QMSRefusal(400, "性别只能是男或女");
    if (newMobile && !QMSTextRules::isMobile(mobile))
        throw QMSRefusal(400, "手机号码格式不正确");

    QMSTransaction transaction(context.db);
    if (newMobile) {
        QMSStatement taken(context.db, "SELECT 1 FROM members WHERE mobile = ? AND id <> ?");
        taken.with(mobile, member);
        if (taken.step())
            throw QMSRefusal(409, "该手机号已被使用");
        QMSStatement update(context.db, "UPDATE members SET mobile = ? WHERE id = ?");
        update.with(mobile, member);
        update.run();
    }
    if (newSex) {
        QMSStatement update(context.db, "UPDATE members SET sex = ? WHERE id = ?");
        update.with(sex, member);
        update.run();
    }
    transaction.commit();
    QMSCommentHandler::acknowledge(context);
}

void QMSMemberHandler::memberInfo(QMSContext &context)
{
    const auto id = context.id("memberid");
    QMSStatement member(context.db, "SELECT id, body, nickname, pointvalue, email, mobile, sex, "
                                    "position, balance FROM members WHERE id = ?");
    member.with(id.value_or(-1));
    if (!member.step())
        throw QMSRefusal(404, "会员不存在");

    QMSXmlWriter &xml = context.xml;
    xml.open("data");
    xml.open("memberInfo");
    xml.integer("memberid", member.integer(0));
    xml.text("body", member.text(1));
    xml.text("nickname", member.text(2));
    xml.integer("pointvalue", member.integer(3));
    xml.text("email", maskedEmail(member.text(4)));
    xml.text("mobile", maskedMobile(member.text(5)));
    xml.text("sex", member.text(6));
    xml.text("logo", context.picture('u', member.integer(0)));
    xml.text("position", member.text(7));
    xml.integer("banlance", member.integer(8));
}

std::string QMSMemberHandler::maskedEmail(const std::string &email)
{
    const size_t at = email.find('@');
    if (at == std::string::npos)
        return {};
    const size_t shown = at > 2 ? 2 : (at > 0 ? 1 : 0);
    return email.substr(0, shown) + std::string(std::max<size_t>(2, at - shown), '*') +
           email.substr(at);
}

std::string QMSMemberHandler::maskedMobile(const std::string &mobile)
{
    if (mobile.size() != 11)
        return {};
    return mobile.substr(0, 3) + "****" + mobile.substr(7);
}
