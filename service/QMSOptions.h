#pragma once

#include <string>

// The command line of qm-service.
class QMSOptions
{
public:
    std::string host = "127.0.0.1";
    int port = 8470;
    std::string database; // empty: the user's data directory
    bool seed = false;
    std::string partnerKey;
    std::string privateKey;
    int holdSeconds = 15 * 60;

    // False when the program should stop at once with exitCode (after --help or a bad option).
    bool parse(int argc, char **argv);
    int exitCode() const { return m_exitCode; }
    static std::string usage();

private:
    int m_exitCode = 0;
};
