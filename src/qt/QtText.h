#pragma once
// The program's text is Windows-1252 bytes; Qt's is Unicode. Every string
// crosses here, and characters with no Windows-1252 form become '?'.

#include <QString>
#include <string>
#include <string_view>

namespace decalia::qt {

QString ToQt(std::string_view cp1252);
std::string FromQt(const QString& text);
// One character typed by the user as the program's byte; '?' when it has no
// Windows-1252 form.
char CharacterFromQt(QChar character);

}  // namespace decalia::qt
