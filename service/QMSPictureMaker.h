#pragma once

#include <string>

// Draws the sample pictures: film posters carrying the title, cinema photos carrying the name
// and member portraits carrying the nickname's first character. JPEG bytes; each is distinct.
// Needs a QGuiApplication (fonts); safe to call from any thread.
class QMSPictureMaker
{
public:
    static std::string poster(const std::string &title, const std::string &english, int hue);
    static std::string cinemaPhoto(const std::string &name, int hue);
    static std::string portrait(const std::string &nickname, int hue);
};
