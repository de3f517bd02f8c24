#pragma once

#include <string>

class QMSContext;

// Member accounts: sign-in, registration, profile changes and profiles (kinds 13, 14, 22, 26).
class QMSMemberHandler
{
public:
    static void signIn(QMSContext &context);
    static void registerMember(QMSContext &context);
    static void saveMemberInfo(QMSContext &context);
    static void memberInfo(QMSContext &context);

    // Anyone may ask for any profile, so contact data goes out masked: "de**@example.com",
    // "138****8000".
    static std::string maskedEmail(const std::string &email);
    static std::string maskedMobile(const std::string &mobile);
};
