#include "QMSOptions.h"

#include "QMBuildConfig.h"

#include <charconv>
#include <cstdio>
#include <string_view>

namespace {

bool toInt(std::string_view text, int low, int high, int &value)
{
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value >= low && value <= high;
}

} // namespace

bool QMSOptions::parse(int argc, char **argv)
{
    partnerKey = QM_PARTNER_KEY;
    privateKey = QM_PRIVATE_KEY;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        const bool hasValue = i + 1 < argc;
        auto fail = [&](const char *why) {
            std::fprintf(stderr, "qm-service: %s: %s\n%s", std::string(option).c_str(), why,
                         usage().c_str());
            m_exitCode = 2;
            return false;
        };
        if (option == "--help" || option == "-h") {
            std::fputs(usage().c_str(), stdout);
            m_exitCode = 0;
            return false;
        }
        if (option == "--seed") {
            seed = true;
            continue;
        }
        if (option != "--host" && option != "--port" && option != "--db" &&
            option != "--partner-key" && option != "--private-key" && option != "--hold-seconds")
            return fail("unknown option");
        if (!hasValue)
            return fail("needs a value");
        const std::string_view value = argv[++i];
        if (option == "--host") {
            host = value;
        } else if (option == "--port") {
            if (!toInt(value, 0, 65535, port))
                return fail("not a port number");
        } else if (option == "--db") {
            database = value;
        } else if (option == "--partner-key") {
            partnerKey = value;
        } else if (option == "--private-key") {
            privateKey = value;
        } else if (!toInt(value, 1, 24 * 3600, holdSeconds)) {
            return fail("not a number of seconds");
        }
        if (value.empty())
            return fail("needs a value");
    }
    return true;
}

std::string QMSOptions::usage()
{
    return "Usage: qm-service [options]\n"
           "The stand-in cinema service for Shanghai: every request of the client, answered\n"
           "from an SQLite database that is filled with sample data on first start.\n\n"
           "  --host ADDRESS        address to listen on (default 127.0.0.1)\n"
           "  --port N              port (default 8470); 0 picks a free one and prints\n"
           "                        \"listening on PORT\"\n"
           "  --db PATH             database file (default: qm-service/qm-service.db in the\n"
           "                        user's data directory)\n"
           "  --seed                recreate the sample data\n"
           "  --partner-key KEY     partner key (default: the build's)\n"
           "  --private-key KEY     private key (default: the build's)\n"
           "  --hold-seconds N      how long an unpaid order holds its seats (default 900)\n"
           "  --help                this text\n";
}
