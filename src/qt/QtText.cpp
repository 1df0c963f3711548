#include "qt/QtText.h"

#include "platform/text/Text.h"

namespace decalia::qt {

QString ToQt(std::string_view cp1252) {
    const std::string utf8 = text::Cp1252ToUtf8(cp1252);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQt(const QString& text) { return text::Utf8ToCp1252(text.toStdString()); }

char CharacterFromQt(QChar character) {
    const std::string byte = FromQt(QString(character));
    return byte.size() == 1 ? byte.front() : '?';
}

}  // namespace decalia::qt
